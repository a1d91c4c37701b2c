#ifndef VelmoraEngine_Implementation_EngineAttributes_h
#define VelmoraEngine_Implementation_EngineAttributes_h
/* The engine's own mesh attribute names and the GL attribute locations every
   shader drawing its meshes declares. Internal, not installed. */

#include <Magnum/Magnum.h>
#include <Magnum/Trade/MeshData.h>

namespace VelmoraEngine { namespace Implementation {

/** Joint ids of skinning set 0, always Vector4us */
constexpr Magnum::Trade::MeshAttribute JointIds0 = Magnum::Trade::meshAttributeCustom(0);
/** Weights of skinning set 0 */
constexpr Magnum::Trade::MeshAttribute Weights0 = Magnum::Trade::meshAttributeCustom(1);
/** Joint ids of skinning set 1, always Vector4us */
constexpr Magnum::Trade::MeshAttribute JointIds1 = Magnum::Trade::meshAttributeCustom(2);
/** Weights of skinning set 1 */
constexpr Magnum::Trade::MeshAttribute Weights1 = Magnum::Trade::meshAttributeCustom(3);
/** Two bytes behind the packed normal, keeping the following offsets even */
constexpr Magnum::Trade::MeshAttribute NormalPadding = Magnum::Trade::meshAttributeCustom(42);

/** Where one mesh attribute is bound */
struct AttributeLocation {
    Magnum::Trade::MeshAttribute name;
    /* Which occurrence of the name is bound here, or AnyOccurrence */
    Magnum::UnsignedInt occurrence;
    Magnum::UnsignedInt location;
    /* Reaches the shader as integers instead of floats */
    bool integral;
};

constexpr Magnum::UnsignedInt AnyOccurrence = ~Magnum::UnsignedInt{};

/* Texture coordinates are told apart by occurrence; a third set and any name
   missing here stay unbound */
constexpr AttributeLocation AttributeLocations[]{
    {Magnum::Trade::MeshAttribute::Position, AnyOccurrence, 0, false},
    {Magnum::Trade::MeshAttribute::TextureCoordinates, 0, 1, false},
    {Magnum::Trade::MeshAttribute::Color, AnyOccurrence, 2, false},
    {Magnum::Trade::MeshAttribute::Tangent, AnyOccurrence, 3, false},
    {Magnum::Trade::MeshAttribute::ObjectId, AnyOccurrence, 4, true},
    {Magnum::Trade::MeshAttribute::Normal, AnyOccurrence, 5, false},
    {JointIds0, AnyOccurrence, 6, true},
    {Weights0, AnyOccurrence, 7, false},
    {JointIds1, AnyOccurrence, 8, true},
    {Weights1, AnyOccurrence, 9, false},
    {Magnum::Trade::MeshAttribute::TextureCoordinates, 1, 10, false},
};

/** Entry binding occurrence @p occurrence of @p name, or nullptr if it stays unbound */
inline const AttributeLocation* attributeLocation(const Magnum::Trade::MeshAttribute name, const Magnum::UnsignedInt occurrence) {
    for(const AttributeLocation& entry: AttributeLocations)
        if(entry.name == name && (entry.occurrence == AnyOccurrence || entry.occurrence == occurrence))
            return &entry;
    return nullptr;
}

}}

#endif
