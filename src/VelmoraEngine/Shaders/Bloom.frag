/* Separable bloom blur and composite.

   Whoever compiles this defines:
   - KERNEL_SIZE, the number of taps on each side, the centre included
   - WEIGHTS, an array expression of KERNEL_SIZE weights, centre first, e.g.
     float[3](0.4, 0.2, 0.1)
   - NEW_GLSL for `in` and a named output instead of varying/gl_FragColor
   - RUNTIME_CONST where the weights may stay a const array

   Passes: with `mask`, the scene's pixels brighter than `threshold` are
   blurred; without it, the bloom texture is blurred further; with `blend`,
   the blurred result is added to the scene and tone mapped. */

#ifndef RUNTIME_CONST
#define const
#endif

#ifdef NEW_GLSL
#define fragmentInput in
out lowp vec4 fragmentColor;
#else
#define fragmentInput varying
#define fragmentColor gl_FragColor
#define texture texture2D
#endif

precision highp float;

fragmentInput highp vec2 textureCoordinates;

uniform mediump sampler2D sceneTexture;
uniform lowp sampler2D bloomTexture;
uniform highp float threshold;
uniform highp float exposure;
uniform mediump float bloomIntensity;
uniform bool mask;
uniform bool vertical;
uniform bool blend;

const highp vec3 luminanceWeights = vec3(0.2126, 0.7152, 0.0722);
const highp float weights[KERNEL_SIZE] = WEIGHTS;

lowp vec4 tap(highp vec2 coordinates) {
    if(mask) {
        lowp vec4 color = texture(sceneTexture, coordinates);
        return color*(dot(color.rgb, luminanceWeights) > threshold ? 1.0 : 0.0);
    }
    return texture(bloomTexture, coordinates);
}

void main() {
    highp vec2 texelSize = 1.0/vec2(mask ? textureSize(sceneTexture, 0) : textureSize(bloomTexture, 0));
    highp vec2 direction = vertical ? vec2(0.0, texelSize.y) : vec2(texelSize.x, 0.0);

    lowp vec4 result = tap(textureCoordinates)*weights[0];
    for(int i = 1; i < KERNEL_SIZE; ++i) {
        result += tap(textureCoordinates + direction*float(i))*weights[i];
        result += tap(textureCoordinates - direction*float(i))*weights[i];
    }

    if(blend) {
        lowp vec3 scene = texture(sceneTexture, textureCoordinates).rgb;
        /* Exponential tone mapping, no gamma correction */
        fragmentColor = vec4(vec3(1.0) - exp(-(scene + bloomIntensity*result.rgb)*exposure), 1.0);
    } else fragmentColor = vec4(result.rgb, 1.0);
}
