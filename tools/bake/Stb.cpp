/* The stb implementations the tool uses, compiled once and without the
   project's warnings, which they aren't written for */
/* stb_dxt uses memcpy() without including its header */
#include <cstring>
#define STB_DXT_IMPLEMENTATION
#include <stb_dxt.h>
#define STB_IMAGE_WRITE_IMPLEMENTATION
#include <stb_image_write.h>
