/* Tangent space generation; filled in together with the tangent generator */
#include "mikktspace.h"
