#include "mikktspace.h"

#include <utility>
#include <algorithm>
#include <cstring>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <limits>
#include <memory>
#include <type_traits>
#include <vector>

#ifdef __SSE2__
#include <emmintrin.h>
#endif
#ifdef __linux__
#include <sys/mman.h>
#include <unistd.h>
#endif

/* Results are compared against other MikkTSpace implementations to within
   float rounding, so every arithmetic expression below keeps the operand
   order and the float/double mix of the published algorithm. */

namespace {

constexpr double Pi = 3.14159265358979323846;

struct Vec3 {
    float x, y, z;
};

struct Vec2 {
    float x, y;
};

Vec3 operator+(const Vec3& a, const Vec3& b) {
    return {a.x + b.x, a.y + b.y, a.z + b.z};
}

Vec3 operator-(const Vec3& a, const Vec3& b) {
    return {a.x - b.x, a.y - b.y, a.z - b.z};
}

Vec3 operator*(const float s, const Vec3& v) {
    return {s*v.x, s*v.y, s*v.z};
}

bool operator==(const Vec3& a, const Vec3& b) {
    return a.x == b.x && a.y == b.y && a.z == b.z;
}

float dot(const Vec3& a, const Vec3& b) {
    return a.x*b.x + a.y*b.y + a.z*b.z;
}

float length(const Vec3& v) {
    return std::sqrt(dot(v, v));
}

/* Anything at or below the smallest normal float counts as zero */
bool isNonZero(const float value) {
    return std::fabs(value) > std::numeric_limits<float>::min();
}

bool isNonZero(const Vec3& v) {
    return isNonZero(v.x) || isNonZero(v.y) || isNonZero(v.z);
}

/* Multiplies by the reciprocal instead of dividing, and leaves (near) zero
   vectors alone so they stay zero instead of turning into NaNs */
Vec3 normalizedIfNonZero(const Vec3& v) {
    return isNonZero(v) ? (1.0f/length(v))*v : v;
}

#ifndef __SSE2__
/* Removes the component along the unit normal */
Vec3 projectOntoPlane(const Vec3& v, const Vec3& normal) {
    return v - dot(normal, v)*normal;
}
#endif

/* The four values that make up a finished tangent space */
struct TangentSpace {
    Vec3 os;
    float magS;
    Vec3 ot;
    float magT;
};

constexpr TangentSpace DefaultSpace{{1.0f, 0.0f, 0.0f}, 1.0f, {0.0f, 1.0f, 0.0f}, 1.0f};

bool sameSpace(const TangentSpace& a, const TangentSpace& b) {
    return a.magS == b.magS && a.magT == b.magT && a.os == b.os && a.ot == b.ot;
}

TangentSpace mean(const TangentSpace& a, const TangentSpace& b) {
    TangentSpace out;
    out.magS = 0.5f*(a.magS + b.magS);
    out.magT = 0.5f*(a.magT + b.magT);
    out.os = normalizedIfNonZero(a.os + b.os);
    out.ot = normalizedIfNonZero(a.ot + b.ot);
    return out;
}

/* Only a hint, so compilers without it just skip it */
inline void prefetch(const void* const address) {
    #if defined(__GNUC__) || defined(__clang__)
    __builtin_prefetch(address);
    #else
    static_cast<void>(address);
    #endif
}

/* For big meshes a page fault on each first write costs more than the work
   done on the page; one call maps a whole new array in. A no-op where the
   kernel can't. */
void prefault(void* const data, const std::size_t size) {
    #if defined(__linux__) && defined(MADV_POPULATE_WRITE)
    if(size < (std::size_t{1} << 20)) return;
    const std::uintptr_t page = std::uintptr_t(sysconf(_SC_PAGESIZE));
    const std::uintptr_t begin = (reinterpret_cast<std::uintptr_t>(data) + page - 1)/page*page;
    const std::uintptr_t end = (reinterpret_cast<std::uintptr_t>(data) + size)/page*page;
    if(begin < end) madvise(reinterpret_cast<void*>(begin), end - begin, MADV_POPULATE_WRITE);
    #else
    static_cast<void>(data);
    static_cast<void>(size);
    #endif
}

/* Flat arrays sized once, without the zero fill std::vector would do */
template<class T> std::unique_ptr<T[]> uninitialized(const std::size_t size) {
    std::unique_ptr<T[]> out{new T[size]};
    prefault(out.get(), size*sizeof(T));
    return out;
}

/* Hands memory that an earlier step is done with to later steps. For big
   meshes touching fresh pages costs more than the work done on them, so
   arrays are carved out of that memory when it's large enough. Only for
   types that need no construction or destruction. */
class Scratch {
    public:
        void give(void* const data, const std::size_t size) {
            unsigned char* const begin = static_cast<unsigned char*>(data);
            _free.push_back({begin, begin + size});
        }

        template<class T> T* take(const std::size_t count) {
            static_assert(std::is_trivially_default_constructible<T>::value && std::is_trivially_destructible<T>::value, "only for plain data");
            constexpr std::size_t Alignment = alignof(std::max_align_t);
            const std::size_t size = count*sizeof(T);
            void* memory = nullptr;
            for(Region& region: _free) {
                const std::size_t padding = (Alignment - reinterpret_cast<std::uintptr_t>(region.begin)%Alignment)%Alignment;
                if(std::size_t(region.end - region.begin) >= padding + size) {
                    memory = region.begin + padding;
                    region.begin += padding + size;
                    break;
                }
            }
            if(!memory) {
                _owned.emplace_back(new std::max_align_t[(size + sizeof(std::max_align_t) - 1)/sizeof(std::max_align_t)]);
                memory = _owned.back().get();
                prefault(memory, size);
            }
            /* Starts the objects' lifetime; no code for plain data */
            T* const out = static_cast<T*>(memory);
            std::uninitialized_default_construct_n(out, count);
            return out;
        }

    private:
        struct Region {
            unsigned char* begin;
            unsigned char* end;
        };
        std::vector<Region> _free;
        std::vector<std::unique_ptr<std::max_align_t[]>> _owned;
};

/* Per face corner result. Most corners around a vertex share one space, so
   corners point into a list of distinct spaces instead of holding copies,
   which keeps the memory touched for big meshes small. */
struct CornerSpaces {
    std::vector<TangentSpace> spaces;
    /* Index into spaces, -1 for the default space */
    int* index;
    /* Bits 0-1: how many triangles wrote the corner, saturating (quad
       corners on the split diagonal get two); bit 2: orientation preserving */
    std::uint8_t* state;

    CornerSpaces(Scratch& scratch, const std::size_t slotCount): index{scratch.take<int>(slotCount)}, state{scratch.take<std::uint8_t>(slotCount)} {
        std::fill_n(index, slotCount, -1);
        std::fill_n(state, slotCount, std::uint8_t(0));
    }

    void write(const int slot, const int space, const bool orientationPreserving) {
        const int writes = state[slot] & 3;
        /* The second write averages; averaging a space with itself would
           not give it back exactly, which would later count as a different
           space */
        if(writes == 1) {
            if(!sameSpace(spaces[index[slot]], spaces[space])) {
                const TangentSpace averaged = mean(spaces[index[slot]], spaces[space]);
                spaces.push_back(averaged);
                index[slot] = int(spaces.size()) - 1;
            }
        } else index[slot] = space;
        state[slot] = std::uint8_t((writes == 3 ? 3 : writes + 1) | (orientationPreserving ? 4 : 0));
    }

    void copy(const int to, const int from) {
        index[to] = index[from];
        state[to] = state[from];
    }
};

struct Triangle {
    /* Welded vertex of each corner: the slot of the corner that represents
       all corners with identical position, normal and texture coordinates */
    int vertex[3];
    /* Triangle across the edge from corner i to corner i + 1, or -1 */
    int neighbour[3];
    /* First corner slot of the original face, also what tells faces apart */
    int slotOffset;
    /* Corner of the original face for each triangle corner */
    std::uint8_t faceCorner[3];
    /* Bit i set once corner i belongs to a group */
    std::uint8_t grouped;
    bool degenerate;
    /* The other half of its quad is degenerate */
    bool quadWithOneDegenerate;
    /* No usable texture derivatives; takes whatever the group around it has */
    bool groupWithAny;
    bool orientationPreserving;

    int cornerOf(const int v) const {
        return vertex[0] == v ? 0 : vertex[1] == v ? 1 : 2;
    }
};

/* Unit tangent and bitangent directions and their magnitudes of a good
   triangle */
struct Derivatives {
    Vec3 os, ot;
    float magS, magT;
};

/* Corner data read once through the callbacks, indexed by corner slot */
struct Corner {
    Vec3 position, normal;
    Vec2 textureCoordinates;
};

float texCoordAreaTimesTwo(const Vec2& t1, const Vec2& t2, const Vec2& t3) {
    const float t21x = t2.x - t1.x;
    const float t21y = t2.y - t1.y;
    const float t31x = t3.x - t1.x;
    const float t31y = t3.y - t1.y;
    return t21x*t31y - t21y*t31x;
}

float component(const Vec3& v, const int axis) {
    return axis == 0 ? v.x : axis == 1 ? v.y : v.z;
}

/* The axis of the largest extent, the first one on a tie */
int widestAxis(const Vec3& extent) {
    if(extent.y > extent.x && extent.y > extent.z) return 1;
    if(extent.z > extent.x) return 2;
    return 0;
}

/* Which corner of a class of identical corners represents it decides the
   order of the edge list built later, and that order decides how edges
   that are not sorted completely pair up. So the welding follows the
   common implementation's bucketing and splitting exactly: buckets along
   the widest axis of the bounds, then recursive splits at the middle of the
   widest axis, and within a final bucket the first identical corner wins. */
constexpr int WeldCells = 2048;

int weldCell(const float min, const float max, const float value) {
    const float index = WeldCells*((value - min)/(max - min));
    if(index < 0.0f) return 0;
    /* Also catches NaN from an empty range */
    if(!(index < float(WeldCells))) return WeldCells - 1;
    return int(index);
}

/* What the splits move around is kept small; the rest of the corner sits
   in a per-bucket side array, so comparing corners in a leaf doesn't read
   the big corner array at random again */
struct WeldEntry {
    float position[3];
    /* Index into the bucket's side array */
    int local;
};

/* The bounds are taken with whole 16-byte loads */
static_assert(sizeof(WeldEntry) == 16, "weld entries are expected to be 16 bytes");

struct WeldSide {
    int listIndex;
    Vec3 normal;
    Vec2 textureCoordinates;
};

/* Bit pattern that is equal exactly when the floats compare equal, for
   values that aren't NaN (+0 and -0 weld) */
std::uint32_t weldBits(const float value) {
    std::uint32_t bits;
    std::memcpy(&bits, &value, 4);
    return value == 0.0f ? 0u : bits;
}

bool hasNaN(const WeldEntry& e, const WeldSide& s) {
    const float v[]{e.position[0], e.position[1], e.position[2], s.normal.x, s.normal.y, s.normal.z, s.textureCoordinates.x, s.textureCoordinates.y};
    for(const float f: v) if(f != f) return true;
    return false;
}

bool sameCorner(const WeldEntry& a, const WeldSide& as, const WeldEntry& b, const WeldSide& bs) {
    return a.position[0] == b.position[0] && a.position[1] == b.position[1] && a.position[2] == b.position[2] &&
           as.normal == bs.normal &&
           as.textureCoordinates.x == bs.textureCoordinates.x &&
           as.textureCoordinates.y == bs.textureCoordinates.y;
}

struct Welder {
    /* Corner i of the weld list is corner i%3 of triangle i/3; its vertex
       starts as its own slot and becomes the representative's slot */
    Triangle* triangles;
    /* Side data of the bucket being split */
    const WeldSide* side;
    /* Scratch reused by every split, sized for the biggest bucket */
    std::vector<int> highs, lows;
    struct LeafKey {
        std::uint32_t bits[8];
        int entry;
    };
    std::vector<LeafKey> leafKeys;

    int& representative(const int i) {
        return triangles[i/3].vertex[i%3];
    }

    /* Splits at the middle of the widest axis until all positions along it
       coincide. The split swaps the k-th entry from the front that belongs
       to the upper half with the k-th entry from the back that belongs to
       the lower half, which is what the common implementation's two-pointer
       loop does; done here without data-dependent branches. */
    void split(WeldEntry* const entries, const int count) {
        if(count < 2) return;

        /* Same comparisons as a min/max update with else-if, so a NaN first
           entry keeps its axis NaN like there */
        float min[4]{entries[0].position[0], entries[0].position[1], entries[0].position[2], 0.0f};
        float max[4]{min[0], min[1], min[2], 0.0f};
        #ifdef __SSE2__
        /* minps/maxps pick the first operand exactly when it compares less
           or greater, so NaNs and zeros come out as with the scalar loop;
           the fourth lane is the side index and gets ignored */
        {
            __m128 vmin = _mm_loadu_ps(min), vmax = _mm_loadu_ps(max);
            for(int e = 1; e < count; ++e) {
                const __m128 p = _mm_loadu_ps(entries[e].position);
                vmin = _mm_min_ps(p, vmin);
                vmax = _mm_max_ps(p, vmax);
            }
            _mm_storeu_ps(min, vmin);
            _mm_storeu_ps(max, vmax);
        }
        #else
        for(int e = 1; e < count; ++e) {
            for(int a = 0; a != 3; ++a) {
                const float p = entries[e].position[a];
                min[a] = min[a] > p ? p : min[a];
                max[a] = max[a] < p ? p : max[a];
            }
        }
        #endif
        const int axis = widestAxis({max[0] - min[0], max[1] - min[1], max[2] - min[2]});
        const float lo = min[axis], hi = max[axis];
        const float middle = 0.5f*(hi + lo);
        if(!(middle < hi && middle > lo)) return leaf(entries, count);

        int lowCount = 0;
        for(int e = 0; e < count; ++e)
            lowCount += entries[e].position[axis] < middle;
        /* NaNs can keep one side empty */
        if(lowCount == 0 || lowCount == count) return leaf(entries, count);

        int highCount = 0, swapCount = 0;
        for(int e = 0; e < lowCount; ++e) {
            highs[highCount] = e;
            highCount += !(entries[e].position[axis] < middle);
        }
        for(int e = lowCount; e < count; ++e) {
            lows[swapCount] = e;
            swapCount += entries[e].position[axis] < middle;
        }
        for(int k = 0; k != highCount; ++k)
            std::swap(entries[highs[k]], entries[lows[highCount - 1 - k]]);

        split(entries, lowCount);
        split(entries + lowCount, count - lowCount);
    }

    /* The first identical corner in entry order represents the others */
    void leaf(const WeldEntry* const entries, const int count) {
        /* Pairwise for the usual handful of corners at one position */
        if(count <= 32) {
            for(int e = 1; e < count; ++e) {
                const WeldSide& s = side[entries[e].local];
                for(int e2 = 0; e2 != e; ++e2) {
                    const WeldSide& s2 = side[entries[e2].local];
                    if(sameCorner(entries[e], s, entries[e2], s2)) {
                        representative(s.listIndex) = representative(s2.listIndex);
                        break;
                    }
                }
            }
            return;
        }

        /* Otherwise sorted by value with the entry order breaking ties, so
           each run of identical corners starts with the one that wins.
           Corners with a NaN equal nothing and stay their own. */
        leafKeys.clear();
        for(int e = 0; e != count; ++e) {
            const WeldEntry& c = entries[e];
            const WeldSide& s = side[c.local];
            if(hasNaN(c, s)) continue;
            leafKeys.push_back({{weldBits(c.position[0]), weldBits(c.position[1]), weldBits(c.position[2]),
                                 weldBits(s.normal.x), weldBits(s.normal.y), weldBits(s.normal.z),
                                 weldBits(s.textureCoordinates.x), weldBits(s.textureCoordinates.y)}, e});
        }
        std::sort(leafKeys.begin(), leafKeys.end(), [](const LeafKey& a, const LeafKey& b) {
            const int order = std::memcmp(a.bits, b.bits, sizeof(a.bits));
            return order != 0 ? order < 0 : a.entry < b.entry;
        });
        for(std::size_t k = 1, first = 0; k < leafKeys.size(); ++k) {
            if(std::memcmp(leafKeys[k].bits, leafKeys[first].bits, sizeof(leafKeys[k].bits)) != 0) {
                first = k;
                continue;
            }
            representative(side[entries[leafKeys[k].entry].local].listIndex) = representative(side[entries[leafKeys[first].entry].local].listIndex);
        }
    }
};

/* Points each triangle corner at the slot representing all corners with
   identical position, normal and texture coordinates. Floats compare by
   value, so +0 and -0 weld and NaNs never do. The corners are listed in
   triangle order; cellEntries has room for all of them. */
void weldCorners(std::vector<Triangle>& triangles, const Corner* const corners, const std::size_t slotCount, int* const cellEntries, const Vec3& boundsStart) {
    const std::size_t listSize = triangles.size()*3;
    /* Without quads the list is the slots in order, which saves looking at
       the triangle for each corner visited at random below */
    const bool listIsSlots = slotCount == listSize;
    const auto slotOf = [&](const std::size_t i) -> std::size_t {
        if(listIsSlots) return i;
        const Triangle& tri = triangles[i/3];
        return std::size_t(tri.slotOffset) + tri.faceCorner[i%3];
    };
    const auto position = [&](const std::size_t i) -> const Vec3& {
        return corners[slotOf(i)].position;
    };

    Vec3 min = boundsStart, max = boundsStart;
    for(std::size_t i = 1; i < listSize; ++i) {
        const Vec3& p = position(i);
        if(min.x > p.x) min.x = p.x; else if(max.x < p.x) max.x = p.x;
        if(min.y > p.y) min.y = p.y; else if(max.y < p.y) max.y = p.y;
        if(min.z > p.z) min.z = p.z; else if(max.z < p.z) max.z = p.z;
    }
    const int axis = widestAxis(max - min);
    const float lo = component(min, axis), hi = component(max, axis);

    /* Buckets keep the list order. The bucket of each corner is kept for
       the second pass so it doesn't read all corners again. */
    static_assert(WeldCells <= 65536, "bucket index has to fit 16 bits");
    const std::unique_ptr<std::uint16_t[]> cellOf = uninitialized<std::uint16_t>(listSize);
    std::vector<int> cellStart(WeldCells + 1, 0);
    for(std::size_t i = 0; i != listSize; ++i) {
        const int cell = weldCell(lo, hi, component(position(i), axis));
        cellOf[i] = std::uint16_t(cell);
        ++cellStart[cell + 1];
    }
    int largestCell = 0;
    for(int c = 0; c != WeldCells; ++c) {
        largestCell = std::max(largestCell, cellStart[c + 1]);
        cellStart[c + 1] += cellStart[c];
    }
    {
        std::vector<int> fill(cellStart.begin(), cellStart.end() - 1);
        for(std::size_t i = 0; i != listSize; ++i)
            cellEntries[fill[cellOf[i]]++] = int(i);
    }

    std::vector<WeldSide> side(largestCell);
    Welder welder{triangles.data(), side.data(), std::vector<int>(largestCell), std::vector<int>(largestCell), {}};
    std::vector<WeldEntry> entries(largestCell);
    for(int c = 0; c != WeldCells; ++c) {
        const int count = cellStart[c + 1] - cellStart[c];
        if(count < 2) continue;
        /* The corners of a bucket are spread over the whole mesh; fetching
           the triangle and then the corner ahead hides the two misses */
        const int* const cell = cellEntries + cellStart[c];
        for(int e = 0; e != count; ++e) {
            if(!listIsSlots && e + 16 < count) prefetch(&triangles[cell[e + 16]/3]);
            if(e + 8 < count) prefetch(&corners[slotOf(cell[e + 8])]);
            const int i = cell[e];
            const Corner& corner = corners[slotOf(i)];
            entries[e] = {{corner.position.x, corner.position.y, corner.position.z}, e};
            side[e] = {i, corner.normal, corner.textureCoordinates};
        }
        welder.split(entries.data(), count);
    }
}

/* Moves the representative corners to the front, keeping their order, and
   renumbers the triangle vertices to match, so the data looked up at random
   from here on is compact. The numbering keeps the slot order, so vertices
   compare the same as the slots did. Returns the vertex count. */
std::size_t compactVertices(std::vector<Triangle>& triangles, Corner* const corners, const std::size_t slotCount, int* const vertexOf) {
    std::fill_n(vertexOf, slotCount, -1);
    for(const Triangle& tri: triangles)
        for(int i = 0; i != 3; ++i) vertexOf[tri.vertex[i]] = 0;
    int count = 0;
    for(std::size_t slot = 0; slot != slotCount; ++slot) {
        if(vertexOf[slot] == -1) continue;
        corners[count] = corners[slot];
        vertexOf[slot] = count++;
    }
    for(Triangle& tri: triangles)
        for(int i = 0; i != 3; ++i) tri.vertex[i] = vertexOf[tri.vertex[i]];
    return std::size_t(count);
}

/* Texture derivatives of each good triangle and whether it's usable */
void initTriangleDerivatives(std::vector<Triangle>& triangles, Derivatives* const derivatives, const std::size_t goodCount, const Corner* const vertices) {
    for(std::size_t f = 0; f != goodCount; ++f) {
        Triangle& tri = triangles[f];
        Derivatives& d = derivatives[f];
        d = {{0.0f, 0.0f, 0.0f}, {0.0f, 0.0f, 0.0f}, 0.0f, 0.0f};
        const Corner& c1 = vertices[tri.vertex[0]];
        const Corner& c2 = vertices[tri.vertex[1]];
        const Corner& c3 = vertices[tri.vertex[2]];
        const Vec3& v1 = c1.position;
        const Vec3& v2 = c2.position;
        const Vec3& v3 = c3.position;
        const Vec2& t1 = c1.textureCoordinates;
        const Vec2& t2 = c2.textureCoordinates;
        const Vec2& t3 = c3.textureCoordinates;

        const float t21x = t2.x - t1.x;
        const float t21y = t2.y - t1.y;
        const float t31x = t3.x - t1.x;
        const float t31y = t3.y - t1.y;
        const Vec3 d1 = v2 - v1;
        const Vec3 d2 = v3 - v1;

        const float signedArea = t21x*t31y - t21y*t31x;
        const Vec3 os = t31y*d1 - t21y*d2;
        const Vec3 ot = (-t31x)*d1 + t21x*d2;

        tri.orientationPreserving = signedArea > 0.0f;
        if(!isNonZero(signedArea)) continue;

        const float absArea = std::fabs(signedArea);
        const float lengthOs = length(os);
        const float lengthOt = length(ot);
        /* Flipping mirrored triangles makes the bitangent sign carry the
           mirroring instead of the directions */
        const float sign = tri.orientationPreserving ? 1.0f : -1.0f;
        if(isNonZero(lengthOs)) d.os = (sign/lengthOs)*os;
        if(isNonZero(lengthOt)) d.ot = (sign/lengthOt)*ot;

        d.magS = lengthOs/absArea;
        d.magT = lengthOt/absArea;
        if(isNonZero(d.magS) && isNonZero(d.magT))
            tri.groupWithAny = false;
    }
}

/* Both halves of a quad have to agree on orientation; the half with the
   larger texture area (or the only usable one) wins */
void unifyQuadOrientation(std::vector<Triangle>& triangles, const std::size_t goodCount, const Corner* const vertices) {
    const auto area = [&](const Triangle& tri) {
        return std::fabs(texCoordAreaTimesTwo(vertices[tri.vertex[0]].textureCoordinates, vertices[tri.vertex[1]].textureCoordinates, vertices[tri.vertex[2]].textureCoordinates));
    };
    std::size_t t = 0;
    while(t + 1 < goodCount) {
        Triangle& a = triangles[t];
        Triangle& b = triangles[t + 1];
        if(a.slotOffset != b.slotOffset) {
            ++t;
            continue;
        }
        if(a.orientationPreserving != b.orientationPreserving) {
            const bool keepFirst = b.groupWithAny || area(a) >= area(b);
            if(keepFirst) b.orientationPreserving = a.orientationPreserving;
            else a.orientationPreserving = b.orientationPreserving;
        }
        t += 2;
    }
}

/* Edge of a good triangle, as triangle*3 + corner it starts at */
int edgeLow(const std::vector<Triangle>& triangles, const int edge) {
    const Triangle& tri = triangles[edge/3];
    return std::min(tri.vertex[edge%3], tri.vertex[(edge%3 + 1)%3]);
}

int edgeHigh(const std::vector<Triangle>& triangles, const int edge) {
    const Triangle& tri = triangles[edge/3];
    return std::max(tri.vertex[edge%3], tri.vertex[(edge%3 + 1)%3]);
}

/* Pairs the edges of a list in which all edges with the same vertices are
   next to each other. Only neighbouring entries are looked at, the first
   one walking the edge the other way round wins. */
struct EdgeRef {
    int high;
    int edge;
};

void pairEdges(std::vector<Triangle>& triangles, const EdgeRef* const edges, const std::size_t count) {
    for(std::size_t i = 0; i != count; ++i) {
        const int triangleA = edges[i].edge/3, edgeA = edges[i].edge%3;
        Triangle& triA = triangles[triangleA];
        if(triA.neighbour[edgeA] != -1) continue;
        const int fromA = triA.vertex[edgeA];
        for(std::size_t j = i + 1; j != count && edges[j].high == edges[i].high; ++j) {
            const int triangleB = edges[j].edge/3, edgeB = edges[j].edge%3;
            Triangle& triB = triangles[triangleB];
            if(triB.vertex[edgeB] == fromA || triB.neighbour[edgeB] != -1)
                continue;
            triA.neighbour[edgeA] = triangleB;
            triB.neighbour[edgeB] = triangleA;
            break;
        }
    }
}

/* The common implementation sorts all edges by lower vertex with a
   quicksort whose pivots come from a fixed seed, then the runs of equal
   lower vertex by higher vertex and the runs of equal edges by triangle,
   but leaves the last run alone at each of the two later steps. So only
   the edges of the highest lower vertex can end up out of order, and only
   those need the quicksort replayed; it's replayed just on the ranges that
   hold them. */
constexpr std::uint32_t EdgeSortSeed = 39871946u;

struct KeyedEdge {
    int low;
    int edge;
};

void replayEdgeSort(KeyedEdge* const edges, const int left, const int right, std::uint32_t seed, const int highestLow) {
    const int count = right - left + 1;
    if(count < 2) return;
    if(count == 2) {
        if(edges[left].low > edges[right].low)
            std::swap(edges[left], edges[right]);
        return;
    }

    const std::uint32_t rotation = seed & 31u;
    const std::uint32_t rotated = rotation ? (seed << rotation) | (seed >> (32u - rotation)) : seed;
    seed = seed + rotated + 3u;
    const int pivot = edges[left + int(seed%std::uint32_t(count))].low;

    int l = left, r = right;
    do {
        while(edges[l].low < pivot) ++l;
        while(edges[r].low > pivot) --r;
        if(l <= r) {
            std::swap(edges[l], edges[r]);
            ++l;
            --r;
        }
    } while(l <= r);

    /* Below a pivot smaller than the highest there's none of the edges in
       question, above it there are only those */
    if(left < r && pivot == highestLow && std::any_of(edges + left, edges + r + 1, [&](const KeyedEdge& e) { return e.low == highestLow; }))
        replayEdgeSort(edges, left, r, seed, highestLow);
    if(l < right) replayEdgeSort(edges, l, right, seed, highestLow);
}

/* Sorts by higher vertex, then by edge (so by triangle) */
void sortByHighThenEdge(EdgeRef* const begin, EdgeRef* const end) {
    const auto less = [](const EdgeRef& a, const EdgeRef& b) {
        return a.high != b.high ? a.high < b.high : a.edge < b.edge;
    };
    if(end - begin > 16) {
        std::sort(begin, end, less);
        return;
    }
    for(EdgeRef* i = begin + 1; i < end; ++i) {
        const EdgeRef value = *i;
        EdgeRef* j = i;
        for(; j != begin && less(value, *(j - 1)); --j) *j = *(j - 1);
        *j = value;
    }
}

/* Pairs up triangles across shared edges with opposite winding. The pairing
   of one edge only depends on the order of the edges with the same two
   vertices, which is by triangle except for the highest lower vertex. */
void findNeighbours(std::vector<Triangle>& triangles, const std::size_t goodCount, const std::size_t vertexCount, Scratch& scratch) {
    if(!goodCount) return;
    const int edgeCount = int(goodCount*3);

    /* Edges bucketed by lower vertex; the order within a bucket doesn't
       matter as it gets sorted */
    int* const bucketStart = scratch.take<int>(vertexCount + 1);
    std::fill_n(bucketStart, vertexCount + 1, 0);
    int highestLow = -1;
    for(int e = 0; e != edgeCount; ++e) {
        const int low = edgeLow(triangles, e);
        ++bucketStart[low];
        highestLow = std::max(highestLow, low);
    }
    for(std::size_t v = 1; v <= vertexCount; ++v) bucketStart[v] += bucketStart[v - 1];
    EdgeRef* const edges = scratch.take<EdgeRef>(edgeCount);
    for(int e = 0; e != edgeCount; ++e)
        edges[--bucketStart[edgeLow(triangles, e)]] = {edgeHigh(triangles, e), e};

    for(int v = 0; v != highestLow; ++v) {
        EdgeRef* const begin = edges + bucketStart[v];
        EdgeRef* const end = edges + bucketStart[v + 1];
        if(end - begin < 2) continue;
        sortByHighThenEdge(begin, end);
        pairEdges(triangles, begin, std::size_t(end - begin));
    }

    /* Edges of the highest lower vertex only pair when two of them share
       the higher vertex too, and then their order has to be the one the
       replayed sort gives */
    EdgeRef* const last = edges + bucketStart[highestLow];
    const std::size_t lastCount = std::size_t(edgeCount - bucketStart[highestLow]);
    sortByHighThenEdge(last, last + lastCount);
    bool anyShared = false;
    for(std::size_t i = 1; i < lastCount; ++i)
        anyShared = anyShared || last[i].high == last[i - 1].high;
    if(!anyShared) return;

    KeyedEdge* const keyed = scratch.take<KeyedEdge>(edgeCount);
    for(int e = 0; e != edgeCount; ++e) keyed[e] = {edgeLow(triangles, e), e};
    replayEdgeSort(keyed, 0, edgeCount - 1, EdgeSortSeed, highestLow);
    for(std::size_t i = 0; i != lastCount; ++i) {
        const int e = keyed[edgeCount - lastCount + i].edge;
        last[i] = {edgeHigh(triangles, e), e};
    }
    /* Runs of equal edges get sorted by triangle, except the last one */
    std::size_t start = 0;
    for(std::size_t i = 1; i < lastCount; ++i) {
        if(last[i].high == last[start].high) continue;
        sortByHighThenEdge(last + start, last + i);
        start = i;
    }
    pairEdges(triangles, last, lastCount);
}

/* Per group member data that depends only on the group's vertex */
struct MemberFrame {
    Vec3 os, ot;  /* projected into the vertex's tangent plane, unit */
    float angle;  /* corner angle in that plane */
    /* Copied from the triangle for the pairwise checks */
    int face;
    bool groupWithAny;
};

/* Projects vectors into the plane of a unit normal and normalizes them, the
   same as normalizedIfNonZero(projectOntoPlane()) one by one. Kept as
   separate coordinate arrays so four go through each square root and
   division at once; every lane does the scalar operations in the same
   order, so the results are the same bits. */
class PlaneNormalizer {
    public:
        void clear() { _count = 0; }

        std::size_t size() const { return _count; }

        std::size_t add(const Vec3& v) {
            if(_count + 4 > _x.size()) {
                _x.resize(_count + 64);
                _y.resize(_count + 64);
                _z.resize(_count + 64);
            }
            _x[_count] = v.x;
            _y[_count] = v.y;
            _z[_count] = v.z;
            return _count++;
        }

        void run(const Vec3& n) {
            #ifdef __SSE2__
            /* Padding lanes compute garbage nobody reads */
            for(std::size_t i = _count; i%4; ++i) _x[i] = _y[i] = _z[i] = 0.0f;
            const __m128 nx = _mm_set1_ps(n.x), ny = _mm_set1_ps(n.y), nz = _mm_set1_ps(n.z);
            const __m128 smallest = _mm_set1_ps(std::numeric_limits<float>::min());
            const __m128 absMask = _mm_castsi128_ps(_mm_set1_epi32(0x7fffffff));
            const __m128 one = _mm_set1_ps(1.0f);
            for(std::size_t i = 0; i < _count; i += 4) {
                const __m128 vx = _mm_loadu_ps(&_x[i]), vy = _mm_loadu_ps(&_y[i]), vz = _mm_loadu_ps(&_z[i]);
                const __m128 d = _mm_add_ps(_mm_add_ps(_mm_mul_ps(nx, vx), _mm_mul_ps(ny, vy)), _mm_mul_ps(nz, vz));
                const __m128 px = _mm_sub_ps(vx, _mm_mul_ps(d, nx));
                const __m128 py = _mm_sub_ps(vy, _mm_mul_ps(d, ny));
                const __m128 pz = _mm_sub_ps(vz, _mm_mul_ps(d, nz));
                const __m128 nonZero = _mm_or_ps(_mm_or_ps(
                    _mm_cmpgt_ps(_mm_and_ps(px, absMask), smallest),
                    _mm_cmpgt_ps(_mm_and_ps(py, absMask), smallest)),
                    _mm_cmpgt_ps(_mm_and_ps(pz, absMask), smallest));
                const __m128 lengthSquared = _mm_add_ps(_mm_add_ps(_mm_mul_ps(px, px), _mm_mul_ps(py, py)), _mm_mul_ps(pz, pz));
                const __m128 scale = _mm_div_ps(one, _mm_sqrt_ps(lengthSquared));
                const auto select = [&](const __m128 p) {
                    return _mm_or_ps(_mm_and_ps(nonZero, _mm_mul_ps(scale, p)), _mm_andnot_ps(nonZero, p));
                };
                _mm_storeu_ps(&_x[i], select(px));
                _mm_storeu_ps(&_y[i], select(py));
                _mm_storeu_ps(&_z[i], select(pz));
            }
            #else
            for(std::size_t i = 0; i != _count; ++i) {
                const Vec3 v = normalizedIfNonZero(projectOntoPlane({_x[i], _y[i], _z[i]}, n));
                _x[i] = v.x;
                _y[i] = v.y;
                _z[i] = v.z;
            }
            #endif
        }

        Vec3 operator[](const std::size_t i) const {
            return {_x[i], _y[i], _z[i]};
        }

    private:
        std::size_t _count = 0;
        std::vector<float> _x, _y, _z;
};

/* Splits the triangle fan around each vertex into groups that are connected
   through edges and share one texture orientation, and gives each group
   member's corner its tangent space right away. Triangles without usable
   derivatives never start a group and take the orientation of the first one
   that reaches them. */
class GroupSpaces {
    public:
        GroupSpaces(std::vector<Triangle>& triangles, const Derivatives* derivatives, const Corner* vertices, CornerSpaces& out, const float thresholdCos): _triangles(triangles), _derivatives{derivatives}, _vertices{vertices}, _out(out), _thresholdCos{thresholdCos} {}

        void run(const std::size_t goodCount) {
            for(std::size_t f = 0; f != goodCount; ++f) {
                for(int i = 0; i != 3; ++i) {
                    Triangle& seed = _triangles[f];
                    if(seed.groupWithAny || (seed.grouped & (1 << i))) continue;
                    collect(int(f), i);
                    generate();
                }
            }
        }

    private:
        void collect(const int seedTriangle, const int seedCorner) {
            Triangle& seed = _triangles[seedTriangle];
            _vertex = seed.vertex[seedCorner];
            _orientationPreserving = seed.orientationPreserving;
            seed.grouped |= std::uint8_t(1 << seedCorner);
            _members.assign(1, seedTriangle);
            _stack.assign(1, seedTriangle);

            const auto visit = [&](const int t) {
                Triangle& tri = _triangles[t];
                const int corner = tri.cornerOf(_vertex);
                if(tri.grouped & (1 << corner)) return;
                if(tri.groupWithAny && !tri.grouped)
                    tri.orientationPreserving = _orientationPreserving;
                if(tri.orientationPreserving != _orientationPreserving) return;
                tri.grouped |= std::uint8_t(1 << corner);
                _members.push_back(t);
                _stack.push_back(t);
            };

            while(!_stack.empty()) {
                const Triangle& tri = _triangles[_stack.back()];
                _stack.pop_back();
                const int corner = tri.cornerOf(_vertex);
                /* The two edges that touch the vertex */
                const int next = tri.neighbour[corner];
                const int previous = tri.neighbour[(corner + 2)%3];
                if(next >= 0) visit(next);
                if(previous >= 0) visit(previous);
            }
        }

        bool joins(const std::size_t m, const std::size_t o) const {
            const MemberFrame& tri = _frames[m];
            const MemberFrame& other = _frames[o];
            /* Halves of one quad and triangles without derivatives always
               join; neither needs its frame then */
            if(tri.groupWithAny || other.groupWithAny || tri.face == other.face) return true;
            const float cosS = dot(_frames[m].os, _frames[o].os);
            const float cosT = dot(_frames[m].ot, _frames[o].ot);
            return cosS > _thresholdCos && cosT > _thresholdCos;
        }

        /* Angle-weighted average of the members with derivatives, summed in
           triangle order so the result doesn't depend on the order in which
           the group was collected */
        int addSpace(const int* const subgroup, const std::size_t count) {
            TangentSpace space{{0.0f, 0.0f, 0.0f}, 0.0f, {0.0f, 0.0f, 0.0f}, 0.0f};
            float angleSum = 0.0f;
            for(std::size_t k = 0; k != count; ++k) {
                const int o = subgroup[k];
                const Triangle& member = _triangles[_members[o]];
                if(member.groupWithAny) continue;
                const Derivatives& d = _derivatives[_members[o]];
                const MemberFrame& frame = _frames[o];
                space.os = space.os + frame.angle*frame.os;
                space.ot = space.ot + frame.angle*frame.ot;
                space.magS += frame.angle*d.magS;
                space.magT += frame.angle*d.magT;
                angleSum += frame.angle;
            }
            space.os = normalizedIfNonZero(space.os);
            space.ot = normalizedIfNonZero(space.ot);
            if(angleSum > 0.0f) {
                space.magS /= angleSum;
                space.magT /= angleSum;
            }
            _out.spaces.push_back(space);
            return int(_out.spaces.size()) - 1;
        }

        void writeMember(const std::size_t m, const int space) {
            const Triangle& tri = _triangles[_members[m]];
            const int corner = tri.cornerOf(_vertex);
            _out.write(tri.slotOffset + tri.faceCorner[corner], space, _orientationPreserving);
        }

        void generate() {
            const std::size_t memberCount = _members.size();
            const Vec3& n = _vertices[_vertex].normal;

            /* The steps are kept in separate loops over the members, so the
               square roots and divisions of different members overlap
               instead of waiting on each other */
            _frames.resize(memberCount);
            _normalizer.clear();
            for(std::size_t m = 0; m != memberCount; ++m) {
                const Triangle& tri = _triangles[_members[m]];
                _frames[m].face = tri.slotOffset;
                _frames[m].groupWithAny = tri.groupWithAny;
                if(tri.groupWithAny) continue;
                const Derivatives& d = _derivatives[_members[m]];
                _normalizer.add(d.os);
                _normalizer.add(d.ot);
            }

            /* Directions of the edges leaving the vertex, projected into its
               tangent plane. Neighbouring triangles of the fan share an edge,
               so each direction is computed once; small fans only, as it's a
               linear search. */
            const bool shareEdges = memberCount <= 32;
            _edgeEnds.clear();
            _edgeOf.resize(memberCount*2);
            for(std::size_t m = 0; m != memberCount; ++m) {
                const Triangle& tri = _triangles[_members[m]];
                if(tri.groupWithAny) continue;
                const int corner = tri.cornerOf(_vertex);
                const int ends[]{tri.vertex[(corner + 2)%3], tri.vertex[(corner + 1)%3]};
                for(int k = 0; k != 2; ++k) {
                    std::size_t e = shareEdges ? 0 : _edgeEnds.size();
                    while(e != _edgeEnds.size() && _edgeEnds[e] != ends[k]) ++e;
                    if(e == _edgeEnds.size()) _edgeEnds.push_back(ends[k]);
                    _edgeOf[m*2 + k] = int(e);
                }
            }
            const Vec3& p1 = _vertices[_vertex].position;
            const std::size_t edgeOffset = _normalizer.size();
            for(std::size_t e = 0; e != _edgeEnds.size(); ++e)
                _normalizer.add(_vertices[_edgeEnds[e]].position - p1);
            _normalizer.run(n);

            for(std::size_t m = 0, k = 0; m != memberCount; ++m) {
                if(_triangles[_members[m]].groupWithAny) continue;
                _frames[m].os = _normalizer[k++];
                _frames[m].ot = _normalizer[k++];
                /* Clamped against rounding; a NaN passes through as it is */
                float cosine = dot(_normalizer[edgeOffset + _edgeOf[m*2]], _normalizer[edgeOffset + _edgeOf[m*2 + 1]]);
                if(cosine > 1.0f) cosine = 1.0f;
                else if(cosine < -1.0f) cosine = -1.0f;
                _frames[m].angle = cosine;
            }
            for(std::size_t m = 0; m != memberCount; ++m) {
                if(_triangles[_members[m]].groupWithAny) continue;
                _frames[m].angle = float(std::acos(double(_frames[m].angle)));
            }

            /* Member positions in triangle order */
            _order.resize(memberCount);
            for(std::size_t m = 0; m != memberCount; ++m) _order[m] = int(m);
            const auto memberLess = [&](const int a, const int b) {
                return _members[a] < _members[b];
            };
            /* Members are distinct triangles, so any sort gives one order;
               fans are mostly a handful of triangles */
            if(memberCount > 16) std::sort(_order.begin(), _order.end(), memberLess);
            else for(std::size_t m = 1; m < memberCount; ++m) {
                const int value = _order[m];
                std::size_t k = m;
                for(; k && memberLess(value, _order[k - 1]); --k) _order[k] = _order[k - 1];
                _order[k] = value;
            }

            /* Usually every member joins every other, then all share one
               space */
            bool allJoin = true;
            for(std::size_t m = 0; m != memberCount && allJoin; ++m)
                for(std::size_t o = m + 1; o != memberCount && allJoin; ++o)
                    allJoin = joins(m, o);
            if(allJoin) {
                const int space = addSpace(_order.data(), memberCount);
                for(std::size_t m = 0; m != memberCount; ++m)
                    writeMember(m, space);
                return;
            }

            /* Otherwise each member takes the members it joins; equal sets
               share their space */
            _known.clear();
            _knownMembers.clear();
            for(std::size_t m = 0; m != memberCount; ++m) {
                const std::size_t subgroupOffset = _knownMembers.size();
                for(const int o: _order)
                    if(joins(m, std::size_t(o))) _knownMembers.push_back(o);
                const std::size_t subgroupCount = _knownMembers.size() - subgroupOffset;

                int space = -1;
                for(const Known& known: _known) {
                    if(known.count == subgroupCount && std::equal(_knownMembers.begin() + known.offset, _knownMembers.begin() + known.offset + known.count, _knownMembers.begin() + subgroupOffset)) {
                        space = known.space;
                        break;
                    }
                }
                if(space == -1) {
                    space = addSpace(_knownMembers.data() + subgroupOffset, subgroupCount);
                    _known.push_back({subgroupOffset, subgroupCount, space});
                } else _knownMembers.resize(subgroupOffset);

                writeMember(m, space);
            }
        }

        struct Known {
            std::size_t offset, count;
            int space;
        };

        std::vector<Triangle>& _triangles;
        const Derivatives* _derivatives;
        const Corner* _vertices;
        CornerSpaces& _out;
        float _thresholdCos;

        /* The group being worked on; buffers are reused across groups */
        int _vertex;
        bool _orientationPreserving;
        std::vector<int> _members, _stack, _order;
        std::vector<MemberFrame> _frames;
        std::vector<int> _edgeEnds, _edgeOf;
        PlaneNormalizer _normalizer;
        std::vector<Known> _known;
        std::vector<int> _knownMembers;
};

/* Degenerate triangles take the space of the first good corner on the same
   welded vertex; the missing corner of a quad with one degenerate half takes
   the space of the good half's corner at the same position. missingVertex
   has the vertex of that missing corner for each such quad, in triangle
   order. */
void fillDegenerateCorners(CornerSpaces& spaces, const std::vector<Triangle>& triangles, const std::size_t goodCount, const Corner* const vertices, const std::size_t vertexCount, const std::vector<int>& missingVertex) {
    std::vector<int> firstGoodSlot(vertexCount, -1);
    for(std::size_t t = 0; t != goodCount; ++t)
        for(int i = 0; i != 3; ++i) {
            const Triangle& tri = triangles[t];
            int& first = firstGoodSlot[tri.vertex[i]];
            if(first == -1) first = tri.slotOffset + tri.faceCorner[i];
        }

    for(std::size_t t = goodCount; t != triangles.size(); ++t) {
        const Triangle& tri = triangles[t];
        if(tri.quadWithOneDegenerate) continue;
        for(int i = 0; i != 3; ++i) {
            const int source = firstGoodSlot[tri.vertex[i]];
            if(source != -1) spaces.copy(tri.slotOffset + tri.faceCorner[i], source);
        }
    }

    std::size_t quad = 0;
    for(std::size_t t = 0; t != goodCount; ++t) {
        const Triangle& tri = triangles[t];
        if(!tri.quadWithOneDegenerate) continue;
        int missing = 0;
        while(missing == tri.faceCorner[0] || missing == tri.faceCorner[1] || missing == tri.faceCorner[2])
            ++missing;
        const Vec3& missingPosition = vertices[missingVertex[quad++]].position;
        for(int i = 0; i != 3; ++i) {
            if(vertices[tri.vertex[i]].position == missingPosition) {
                spaces.copy(tri.slotOffset + missing, tri.slotOffset + tri.faceCorner[i]);
                break;
            }
        }
    }
}

}

extern "C" tbool genTangSpaceDefault(const SMikkTSpaceContext* const pContext) {
    return genTangSpace(pContext, 180.0f);
}

extern "C" tbool genTangSpace(const SMikkTSpaceContext* const pContext, const float fAngularThreshold) {
    const SMikkTSpaceInterface& api = *pContext->m_pInterface;
    if(!api.m_getNumFaces || !api.m_getNumVerticesOfFace || !api.m_getPosition || !api.m_getNormal || !api.m_getTexCoord)
        return 0;

    /* Rounded the same way as elsewhere so 180 degrees gives exactly -1 */
    const float thresholdCos = float(std::cos(double((fAngularThreshold*float(Pi))/180.0f)));

    /* Faces other than triangles and quads get no corner slots */
    const int faceCount = api.m_getNumFaces(pContext);
    const std::unique_ptr<int[]> faceSizes = uninitialized<int>(std::size_t(std::max(faceCount, 0)));
    std::size_t slotCount = 0, triangleCount = 0;
    for(int f = 0; f < faceCount; ++f) {
        const int size = api.m_getNumVerticesOfFace(pContext, f);
        faceSizes[f] = size;
        if(size == 3 || size == 4) {
            slotCount += size;
            triangleCount += size - 2;
        }
    }
    if(triangleCount == 0) return 0;

    const std::unique_ptr<Corner[]> corners = uninitialized<Corner>(slotCount);
    std::vector<Triangle> triangles;
    triangles.reserve(triangleCount);
    {
        int slot = 0;
        for(int f = 0; f < faceCount; ++f) {
            const int size = faceSizes[f];
            if(size != 3 && size != 4) continue;
            for(int i = 0; i != size; ++i) {
                float position[3], normal[3], texCoord[2];
                api.m_getPosition(pContext, position, f, i);
                api.m_getNormal(pContext, normal, f, i);
                api.m_getTexCoord(pContext, texCoord, f, i);
                Corner& corner = corners[slot + i];
                corner.position = {position[0], position[1], position[2]};
                corner.normal = {normal[0], normal[1], normal[2]};
                corner.textureCoordinates = {texCoord[0], texCoord[1]};
            }

            const auto addTriangle = [&](const int a, const int b, const int c) {
                Triangle tri;
                tri.vertex[0] = slot + a;
                tri.vertex[1] = slot + b;
                tri.vertex[2] = slot + c;
                tri.neighbour[0] = tri.neighbour[1] = tri.neighbour[2] = -1;
                tri.slotOffset = slot;
                tri.faceCorner[0] = std::uint8_t(a);
                tri.faceCorner[1] = std::uint8_t(b);
                tri.faceCorner[2] = std::uint8_t(c);
                tri.grouped = 0;
                tri.degenerate = false;
                tri.quadWithOneDegenerate = false;
                tri.groupWithAny = true;
                tri.orientationPreserving = false;
                triangles.push_back(tri);
            };
            if(size == 3) addTriangle(0, 1, 2);
            else {
                /* Split along the shorter diagonal in texture space, in
                   position space on a tie, so the result doesn't depend on
                   which corner the quad starts at */
                const auto uvDistanceSquared = [&](const int a, const int b) {
                    const Vec2& ta = corners[slot + a].textureCoordinates;
                    const Vec2& tb = corners[slot + b].textureCoordinates;
                    const Vec3 d{tb.x - ta.x, tb.y - ta.y, 0.0f};
                    return dot(d, d);
                };
                const auto positionDistanceSquared = [&](const int a, const int b) {
                    const Vec3 d = corners[slot + b].position - corners[slot + a].position;
                    return dot(d, d);
                };
                const float uv02 = uvDistanceSquared(0, 2);
                const float uv13 = uvDistanceSquared(1, 3);
                const bool splitAlong02 = uv02 < uv13 ? true : uv13 < uv02 ? false :
                    !(positionDistanceSquared(1, 3) < positionDistanceSquared(0, 2));
                if(splitAlong02) {
                    addTriangle(0, 1, 2);
                    addTriangle(0, 2, 3);
                } else {
                    addTriangle(0, 1, 3);
                    addTriangle(1, 2, 3);
                }
            }
            slot += size;
        }
    }

    /* Corners with identical data become one vertex. The bounds start at
       the first corner of the first face, whatever its size. */
    Scratch scratch;
    std::size_t vertexCount;
    {
        Vec3 boundsStart = corners[0].position;
        if(faceSizes[0] != 3 && faceSizes[0] != 4 && faceSizes[0] > 0) {
            float position[3];
            api.m_getPosition(pContext, position, 0, 0);
            boundsStart = {position[0], position[1], position[2]};
        }
        const std::size_t listSize = triangles.size()*3;
        int* const listScratch = scratch.take<int>(listSize);
        weldCorners(triangles, corners.get(), slotCount, listScratch, boundsStart);
        /* There are at least as many triangle corners as slots */
        vertexCount = compactVertices(triangles, corners.get(), slotCount, listScratch);
        scratch.give(listScratch, listSize*sizeof(int));
        scratch.give(corners.get() + vertexCount, (slotCount - vertexCount)*sizeof(Corner));
    }
    const Corner* const vertices = corners.get();

    /* Triangles with two coinciding positions get their spaces from
       neighbours at the end */
    bool anyDegenerate = false;
    for(Triangle& tri: triangles) {
        const Vec3& p0 = vertices[tri.vertex[0]].position;
        const Vec3& p1 = vertices[tri.vertex[1]].position;
        const Vec3& p2 = vertices[tri.vertex[2]].position;
        tri.degenerate = p0 == p1 || p0 == p2 || p1 == p2;
        anyDegenerate = anyDegenerate || tri.degenerate;
    }
    std::size_t goodCount = triangles.size();
    std::vector<int> missingVertex;
    if(anyDegenerate) {
        for(std::size_t t = 0; t + 1 < triangles.size(); ) {
            Triangle& a = triangles[t];
            Triangle& b = triangles[t + 1];
            if(a.slotOffset != b.slotOffset) {
                ++t;
                continue;
            }
            if(a.degenerate != b.degenerate) {
                a.quadWithOneDegenerate = b.quadWithOneDegenerate = true;
                /* Where the good half's missing corner is in the other half */
                const Triangle& good = a.degenerate ? b : a;
                const Triangle& other = a.degenerate ? a : b;
                int missing = 0;
                while(missing == good.faceCorner[0] || missing == good.faceCorner[1] || missing == good.faceCorner[2])
                    ++missing;
                missingVertex.push_back(other.vertex[other.faceCorner[0] == missing ? 0 : other.faceCorner[1] == missing ? 1 : 2]);
            }
            t += 2;
        }

        /* Good triangles first, in their original order */
        std::stable_partition(triangles.begin(), triangles.end(), [](const Triangle& tri) {
            return !tri.degenerate;
        });
        goodCount = std::size_t(std::find_if(triangles.begin(), triangles.end(), [](const Triangle& tri) {
            return tri.degenerate;
        }) - triangles.begin());
    }

    Derivatives* const derivatives = scratch.take<Derivatives>(goodCount);
    initTriangleDerivatives(triangles, derivatives, goodCount, vertices);
    unifyQuadOrientation(triangles, goodCount, vertices);
    findNeighbours(triangles, goodCount, vertexCount, scratch);

    CornerSpaces spaces{scratch, slotCount};
    spaces.spaces.reserve(goodCount);
    GroupSpaces{triangles, derivatives, vertices, spaces, thresholdCos}.run(goodCount);
    if(anyDegenerate)
        fillDegenerateCorners(spaces, triangles, goodCount, vertices, vertexCount, missingVertex);

    std::size_t slot = 0;
    for(int f = 0; f < faceCount; ++f) {
        const int size = faceSizes[f];
        if(size != 3 && size != 4) continue;
        for(int i = 0; i != size; ++i, ++slot) {
            const int index = spaces.index[slot];
            const TangentSpace& space = index == -1 ? DefaultSpace : spaces.spaces[index];
            const bool orientationPreserving = spaces.state[slot] & 4;
            const float tangent[3]{space.os.x, space.os.y, space.os.z};
            const float bitangent[3]{space.ot.x, space.ot.y, space.ot.z};
            if(api.m_setTSpace)
                api.m_setTSpace(pContext, tangent, bitangent, space.magS, space.magT, orientationPreserving ? 1 : 0, f, i);
            if(api.m_setTSpaceBasic)
                api.m_setTSpaceBasic(pContext, tangent, orientationPreserving ? 1.0f : -1.0f, f, i);
        }
    }
    return 1;
}
