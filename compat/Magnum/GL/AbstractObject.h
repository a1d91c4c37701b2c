#ifndef Magnum_GL_AbstractObject_h
#define Magnum_GL_AbstractObject_h
/* Base of all GL object wrappers */

#include "Corrade/Containers/EnumSet.h"
#include "Magnum/Magnum.h"
#include "Magnum/GL/GL.h"

namespace Magnum { namespace GL {

/** @brief Object wrapping flag */
enum class ObjectFlag: UnsignedByte {
    DeleteOnDestruction = 1 << 0,   /**< Delete the GL object on destruction */
    Created = 1 << 1                /**< The GL object is known to be created */
};

/** @brief Object wrapping flags */
typedef Containers::EnumSet<ObjectFlag> ObjectFlags;

CORRADE_ENUMSET_OPERATORS(ObjectFlags)

/** @brief Base for GL objects */
class AbstractObject {
    protected:
        AbstractObject() = default;
        ~AbstractObject() = default;
};

}}

#endif
