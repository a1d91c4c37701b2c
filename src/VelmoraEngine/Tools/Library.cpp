/* Translation unit every build of the library has, whatever else it holds */
#include "VelmoraEngine/visibility.h"
