/* tinygltf's implementation, compiled here so the importer's own
   sanitizers and the fuzzer see into the parser. Images are decoded by the
   importer, never by tinygltf. */
#define TINYGLTF_IMPLEMENTATION
#include <tiny_gltf.h>
