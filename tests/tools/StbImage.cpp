/* stb_image for reading the tool's PNGs back, without the project's
   warnings */
#define STB_IMAGE_IMPLEMENTATION
#include <stb_image.h>
