/* One triangle covering the whole clip square, made from gl_VertexID alone:
   (-1, 1), (-1, -3), (3, 1). No vertex buffer is needed. */

out highp vec2 textureCoordinates;

void main() {
    highp vec2 position = vec2(gl_VertexID == 2 ? 3.0 : -1.0,
                               gl_VertexID == 1 ? -3.0 : 1.0);
    gl_Position = vec4(position, 0.0, 1.0);
    /* (0, 0) to (1, 1) over the visible square */
    textureCoordinates = position*0.5 + 0.5;
}
