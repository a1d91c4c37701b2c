#ifndef VelmoraEngine_tools_bake_Shaders_h
#define VelmoraEngine_tools_bake_Shaders_h
/* The preview's shader: meshes from the batch, lit by their normals and
   textured from the atlas */

namespace VelmoraEngine { namespace Bake {

/* The batch binds positions at 0, texture coordinates at 1 and normals at
   5; packed normals arrive as floats */
constexpr const char PreviewVertexShader[] = R"GLSL(
layout(location = 0) in highp vec3 position;
layout(location = 1) in highp vec2 textureCoordinates;
layout(location = 5) in mediump vec3 normal;

uniform highp mat4 transformationProjection;
uniform mediump mat3 normalMatrix;

out mediump vec3 transformedNormal;
out highp vec2 interpolatedTextureCoordinates;

void main() {
    transformedNormal = normalMatrix*normal;
    interpolatedTextureCoordinates = textureCoordinates;
    gl_Position = transformationProjection*vec4(position, 1.0);
}
)GLSL";

/* The image's rectangle in the atlas layer is (offset, size) in texture
   coordinates; the image repeats in it like a texture with Repeat wrapping */
constexpr const char PreviewFragmentShader[] = R"GLSL(
uniform lowp sampler2DArray atlas;
uniform highp vec4 atlasRectangle;
uniform highp float atlasLayer;
uniform bool textured;
uniform lowp vec4 baseColor;

in mediump vec3 transformedNormal;
in highp vec2 interpolatedTextureCoordinates;

out lowp vec4 color;

void main() {
    lowp vec4 base = baseColor;
    if(textured) {
        highp vec2 inside = fract(interpolatedTextureCoordinates);
        base *= texture(atlas, vec3(atlasRectangle.xy + inside*atlasRectangle.zw, atlasLayer));
    }
    /* Two-sided, so meshes with flipped winding are lit too */
    mediump float lambert = 1.0;
    if(dot(transformedNormal, transformedNormal) > 0.0)
        lambert = abs(dot(normalize(transformedNormal), normalize(vec3(0.4, 0.7, 1.0))));
    color = vec4(base.rgb*(0.25 + 0.75*lambert), 1.0);
}
)GLSL";

}}

#endif
