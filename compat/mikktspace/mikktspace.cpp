#include "mikktspace.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <limits>
#include <vector>

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

/* Removes the component along the unit normal */
Vec3 projectOntoPlane(const Vec3& v, const Vec3& normal) {
    return v - dot(normal, v)*normal;
}

/* Tangent space of one face corner while it's being built */
struct TangentSpace {
    Vec3 os{1.0f, 0.0f, 0.0f};
    float magS = 1.0f;
    Vec3 ot{0.0f, 1.0f, 0.0f};
    float magT = 1.0f;
    /* How many triangles wrote it; quad corners on the split diagonal get two */
    int writes = 0;
    bool orientationPreserving = false;
};

TangentSpace average(const TangentSpace& a, const TangentSpace& b) {
    /* Averaging a space with itself would not give it back exactly, which
       would later count as a different space */
    if(a.magS == b.magS && a.magT == b.magT && a.os == b.os && a.ot == b.ot)
        return a;

    TangentSpace out;
    out.magS = 0.5f*(a.magS + b.magS);
    out.magT = 0.5f*(a.magT + b.magT);
    out.os = normalizedIfNonZero(a.os + b.os);
    out.ot = normalizedIfNonZero(a.ot + b.ot);
    return out;
}

struct Triangle {
    /* Welded vertex of each corner: the slot of the corner that represents
       all corners with identical position, normal and texture coordinates */
    std::array<int, 3> vertex;
    /* Corner of the original face for each triangle corner */
    std::array<std::uint8_t, 3> faceCorner;
    int face;
    /* First corner slot of the original face */
    int slotOffset;

    /* Triangle across the edge from corner i to corner i + 1, or -1 */
    std::array<int, 3> neighbour{{-1, -1, -1}};
    /* Group of the vertex at each corner, or -1 */
    std::array<int, 3> group{{-1, -1, -1}};

    /* Unit tangent and bitangent directions and their magnitudes */
    Vec3 os{0.0f, 0.0f, 0.0f}, ot{0.0f, 0.0f, 0.0f};
    float magS = 0.0f, magT = 0.0f;

    bool degenerate = false;
    /* The other half of its quad is degenerate */
    bool quadWithOneDegenerate = false;
    /* No usable texture derivatives; takes whatever the group around it has */
    bool groupWithAny = true;
    bool orientationPreserving = false;

    int cornerOf(const int v) const {
        return vertex[0] == v ? 0 : vertex[1] == v ? 1 : 2;
    }
};

/* All triangles that share one welded vertex, are connected through edges
   around it and have the same texture orientation */
struct Group {
    int vertex;
    bool orientationPreserving;
    std::size_t memberOffset, memberCount;
};

/* Corner data read once through the callbacks, indexed by corner slot */
struct CornerData {
    std::vector<Vec3> positions, normals;
    std::vector<Vec2> textureCoordinates;
};

float texCoordAreaTimesTwo(const Vec2& t1, const Vec2& t2, const Vec2& t3) {
    const float t21x = t2.x - t1.x;
    const float t21y = t2.y - t1.y;
    const float t31x = t3.x - t1.x;
    const float t31y = t3.y - t1.y;
    return t21x*t31y - t21y*t31x;
}

bool sameCorner(const CornerData& data, const int a, const int b) {
    return data.positions[a] == data.positions[b] &&
           data.normals[a] == data.normals[b] &&
           data.textureCoordinates[a].x == data.textureCoordinates[b].x &&
           data.textureCoordinates[a].y == data.textureCoordinates[b].y;
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

struct WeldEntry {
    Vec3 position;
    int listIndex;
};

void weldRange(std::vector<int>& representative, const std::vector<int>& list, std::vector<WeldEntry>& entries, const int left, const int right, const CornerData& data) {
    Vec3 min = entries[left].position, max = min;
    for(int l = left + 1; l <= right; ++l) {
        const Vec3& p = entries[l].position;
        if(min.x > p.x) min.x = p.x; else if(max.x < p.x) max.x = p.x;
        if(min.y > p.y) min.y = p.y; else if(max.y < p.y) max.y = p.y;
        if(min.z > p.z) min.z = p.z; else if(max.z < p.z) max.z = p.z;
    }
    const int axis = widestAxis(max - min);
    const float lo = component(min, axis), hi = component(max, axis);
    const float middle = 0.5f*(hi + lo);

    int l = left, r = right;
    const bool canSplit = middle < hi && middle > lo;
    if(canSplit) {
        /* Entries below the middle to the front */
        while(l < r) {
            while(l < r && component(entries[l].position, axis) < middle) ++l;
            while(l < r && !(component(entries[r].position, axis) < middle)) --r;
            if(l < r) {
                std::swap(entries[l], entries[r]);
                ++l;
                --r;
            }
        }
        if(l == r) {
            if(component(entries[r].position, axis) < middle) ++l;
            else --r;
        }
    }
    /* Without a split, or when NaNs keep one side empty, compare pairwise */
    if(!canSplit || r < left || l > right) {
        for(int e = left; e <= right; ++e) {
            const int i = entries[e].listIndex;
            for(int e2 = left; e2 != e; ++e2) {
                const int i2 = entries[e2].listIndex;
                if(sameCorner(data, list[i], list[i2])) {
                    representative[i] = representative[i2];
                    break;
                }
            }
        }
        return;
    }
    if(left < r) weldRange(representative, list, entries, left, r, data);
    if(l < right) weldRange(representative, list, entries, l, right, data);
}

/* Maps each triangle corner (given as its slot) to the slot representing all
   corners with identical position, normal and texture coordinates. Floats
   compare by value, so +0 and -0 weld and NaNs never do. */
std::vector<int> weldCorners(const std::vector<int>& list, const CornerData& data, const Vec3& boundsStart) {
    std::vector<int> representative(list);

    Vec3 min = boundsStart, max = boundsStart;
    for(std::size_t i = 1; i < list.size(); ++i) {
        const Vec3& p = data.positions[list[i]];
        if(min.x > p.x) min.x = p.x; else if(max.x < p.x) max.x = p.x;
        if(min.y > p.y) min.y = p.y; else if(max.y < p.y) max.y = p.y;
        if(min.z > p.z) min.z = p.z; else if(max.z < p.z) max.z = p.z;
    }
    const int axis = widestAxis(max - min);
    const float lo = component(min, axis), hi = component(max, axis);

    std::vector<int> cellOf(list.size());
    std::vector<int> cellStart(WeldCells + 1, 0);
    for(std::size_t i = 0; i != list.size(); ++i) {
        cellOf[i] = weldCell(lo, hi, component(data.positions[list[i]], axis));
        ++cellStart[cellOf[i] + 1];
    }
    for(int c = 0; c != WeldCells; ++c) cellStart[c + 1] += cellStart[c];
    std::vector<int> cellEntries(list.size());
    {
        std::vector<int> fill(cellStart.begin(), cellStart.end() - 1);
        for(std::size_t i = 0; i != list.size(); ++i)
            cellEntries[fill[cellOf[i]]++] = int(i);
    }

    std::vector<WeldEntry> entries;
    for(int c = 0; c != WeldCells; ++c) {
        const int count = cellStart[c + 1] - cellStart[c];
        if(count < 2) continue;
        entries.clear();
        for(int e = 0; e != count; ++e) {
            const int i = cellEntries[cellStart[c] + e];
            entries.push_back({data.positions[list[i]], i});
        }
        weldRange(representative, list, entries, 0, count - 1, data);
    }
    return representative;
}

/* Texture derivatives of each good triangle and whether it's usable */
void initTriangleDerivatives(std::vector<Triangle>& triangles, const std::size_t goodCount, const CornerData& data) {
    for(std::size_t f = 0; f != goodCount; ++f) {
        Triangle& tri = triangles[f];
        const Vec3& v1 = data.positions[tri.vertex[0]];
        const Vec3& v2 = data.positions[tri.vertex[1]];
        const Vec3& v3 = data.positions[tri.vertex[2]];
        const Vec2& t1 = data.textureCoordinates[tri.vertex[0]];
        const Vec2& t2 = data.textureCoordinates[tri.vertex[1]];
        const Vec2& t3 = data.textureCoordinates[tri.vertex[2]];

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
        if(isNonZero(lengthOs)) tri.os = (sign/lengthOs)*os;
        if(isNonZero(lengthOt)) tri.ot = (sign/lengthOt)*ot;

        tri.magS = lengthOs/absArea;
        tri.magT = lengthOt/absArea;
        if(isNonZero(tri.magS) && isNonZero(tri.magT))
            tri.groupWithAny = false;
    }
}

/* Both halves of a quad have to agree on orientation; the half with the
   larger texture area (or the only usable one) wins */
void unifyQuadOrientation(std::vector<Triangle>& triangles, const std::size_t goodCount, const CornerData& data) {
    const auto area = [&](const Triangle& tri) {
        return std::fabs(texCoordAreaTimesTwo(data.textureCoordinates[tri.vertex[0]], data.textureCoordinates[tri.vertex[1]], data.textureCoordinates[tri.vertex[2]]));
    };
    std::size_t t = 0;
    while(t + 1 < goodCount) {
        Triangle& a = triangles[t];
        Triangle& b = triangles[t + 1];
        if(a.face != b.face) {
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

struct Edge {
    /* Lower and higher welded vertex, triangle; addressed by channel */
    std::array<int, 3> key;
    int edge;
};

/* Quicksort on one channel of the key with a pseudo-random pivot from a
   fixed seed. Not stable, so the order of equal keys is part of the
   result, and the edge pairing below depends on it. */
void sortEdges(std::vector<Edge>& edges, const int left, const int right, const int channel, std::uint32_t seed) {
    const int count = right - left + 1;
    if(count < 2) return;
    if(count == 2) {
        if(edges[left].key[channel] > edges[right].key[channel])
            std::swap(edges[left], edges[right]);
        return;
    }

    const std::uint32_t rotation = seed & 31u;
    const std::uint32_t rotated = rotation ? (seed << rotation) | (seed >> (32u - rotation)) : seed;
    seed = seed + rotated + 3u;
    const int pivot = edges[left + int(seed%std::uint32_t(count))].key[channel];

    int l = left, r = right;
    do {
        while(edges[l].key[channel] < pivot) ++l;
        while(edges[r].key[channel] > pivot) --r;
        if(l <= r) {
            std::swap(edges[l], edges[r]);
            ++l;
            --r;
        }
    } while(l <= r);

    if(left < r) sortEdges(edges, left, r, channel, seed);
    if(l < right) sortEdges(edges, l, right, channel, seed);
}

constexpr std::uint32_t EdgeSortSeed = 39871946u;

/* Sorts [begin, end) runs of equal earlier channels by the next channel.
   The run at the very end is left as it is, as the common implementation
   does, which can keep equal edges apart there. */
void sortRunsExceptLast(std::vector<Edge>& edges, const int channel) {
    int start = 0;
    for(int i = 1; i < int(edges.size()); ++i) {
        bool sameRun = edges[start].key[0] == edges[i].key[0];
        if(channel == 2) sameRun = sameRun && edges[start].key[1] == edges[i].key[1];
        if(!sameRun) {
            sortEdges(edges, start, i - 1, channel, EdgeSortSeed);
            start = i;
        }
    }
}

/* Pairs up triangles across shared edges with opposite winding. Only
   neighbouring entries of the sorted edge list are looked at. */
void findNeighbours(std::vector<Triangle>& triangles, const std::size_t goodCount) {
    std::vector<Edge> edges;
    edges.reserve(goodCount*3);
    for(std::size_t f = 0; f != goodCount; ++f)
        for(int e = 0; e != 3; ++e) {
            const int a = triangles[f].vertex[e];
            const int b = triangles[f].vertex[(e + 1)%3];
            edges.push_back({{{std::min(a, b), std::max(a, b), int(f)}}, e});
        }
    sortEdges(edges, 0, int(edges.size()) - 1, 0, EdgeSortSeed);
    sortRunsExceptLast(edges, 1);
    sortRunsExceptLast(edges, 2);

    for(std::size_t i = 0; i != edges.size(); ++i) {
        const Edge& a = edges[i];
        Triangle& triA = triangles[a.key[2]];
        if(triA.neighbour[a.edge] != -1) continue;
        const int fromA = triA.vertex[a.edge];
        for(std::size_t j = i + 1; j != edges.size() && edges[j].key[0] == a.key[0] && edges[j].key[1] == a.key[1]; ++j) {
            const Edge& b = edges[j];
            Triangle& triB = triangles[b.key[2]];
            /* The other triangle walks the edge the other way round */
            if(triB.vertex[b.edge] == fromA || triB.neighbour[b.edge] != -1)
                continue;
            triA.neighbour[a.edge] = b.key[2];
            triB.neighbour[b.edge] = a.key[2];
            break;
        }
    }
}

/* Splits the triangle fan around each vertex into groups that are connected
   through edges and share one texture orientation. Triangles without usable
   derivatives never start a group and take the orientation of the first one
   that reaches them. */
std::vector<Group> buildGroups(std::vector<Triangle>& triangles, const std::size_t goodCount, std::vector<int>& members) {
    std::vector<Group> groups;
    std::vector<int> stack;
    members.clear();
    members.reserve(goodCount*3);

    for(std::size_t f = 0; f != goodCount; ++f) {
        for(int i = 0; i != 3; ++i) {
            Triangle& seed = triangles[f];
            if(seed.groupWithAny || seed.group[i] != -1) continue;

            const int groupId = int(groups.size());
            Group group{seed.vertex[i], seed.orientationPreserving, members.size(), 0};
            seed.group[i] = groupId;
            members.push_back(int(f));
            stack.assign(1, int(f));

            const auto visit = [&](const int t) {
                Triangle& tri = triangles[t];
                const int corner = tri.cornerOf(group.vertex);
                if(tri.group[corner] != -1) return;
                if(tri.groupWithAny && tri.group[0] == -1 && tri.group[1] == -1 && tri.group[2] == -1)
                    tri.orientationPreserving = group.orientationPreserving;
                if(tri.orientationPreserving != group.orientationPreserving) return;
                tri.group[corner] = groupId;
                members.push_back(t);
                stack.push_back(t);
            };

            while(!stack.empty()) {
                const Triangle& tri = triangles[stack.back()];
                stack.pop_back();
                const int corner = tri.cornerOf(group.vertex);
                /* The two edges that touch the vertex */
                const int next = tri.neighbour[corner];
                const int previous = tri.neighbour[(corner + 2)%3];
                if(next >= 0) visit(next);
                if(previous >= 0) visit(previous);
            }

            group.memberCount = members.size() - group.memberOffset;
            groups.push_back(group);
        }
    }
    return groups;
}

/* Per group member data that depends only on the group's vertex */
struct MemberFrame {
    Vec3 os, ot;  /* projected into the vertex's tangent plane, unit */
    float angle;  /* corner angle in that plane */
};

void generateTangentSpaces(std::vector<TangentSpace>& spaces, const std::vector<Triangle>& triangles, const std::vector<Group>& groups, const std::vector<int>& members, const float thresholdCos, const CornerData& data) {
    std::vector<MemberFrame> frames;
    std::vector<int> subgroup;
    /* Distinct member lists (as positions in the group) seen in the
       current group and their spaces */
    std::vector<std::vector<int>> knownSubgroups;
    std::vector<TangentSpace> knownSpaces;

    for(std::size_t g = 0; g != groups.size(); ++g) {
        const Group& group = groups[g];
        const int* const groupMembers = members.data() + group.memberOffset;
        const std::size_t memberCount = group.memberCount;
        const Vec3& n = data.normals[group.vertex];

        frames.resize(memberCount);
        for(std::size_t m = 0; m != memberCount; ++m) {
            const Triangle& tri = triangles[groupMembers[m]];
            MemberFrame& frame = frames[m];
            frame.os = normalizedIfNonZero(projectOntoPlane(tri.os, n));
            frame.ot = normalizedIfNonZero(projectOntoPlane(tri.ot, n));

            const int corner = tri.cornerOf(group.vertex);
            const Vec3& p0 = data.positions[tri.vertex[(corner + 2)%3]];
            const Vec3& p1 = data.positions[tri.vertex[corner]];
            const Vec3& p2 = data.positions[tri.vertex[(corner + 1)%3]];
            const Vec3 v1 = normalizedIfNonZero(projectOntoPlane(p0 - p1, n));
            const Vec3 v2 = normalizedIfNonZero(projectOntoPlane(p2 - p1, n));
            /* Clamped against rounding; a NaN passes through as it is */
            float cosine = dot(v1, v2);
            if(cosine > 1.0f) cosine = 1.0f;
            else if(cosine < -1.0f) cosine = -1.0f;
            frame.angle = float(std::acos(double(cosine)));
        }

        knownSubgroups.clear();
        knownSpaces.clear();
        for(std::size_t m = 0; m != memberCount; ++m) {
            const Triangle& tri = triangles[groupMembers[m]];

            /* Members whose tangent and bitangent both stay within the
               threshold; halves of one quad and triangles without derivatives
               always join */
            subgroup.clear();
            for(std::size_t o = 0; o != memberCount; ++o) {
                const Triangle& other = triangles[groupMembers[o]];
                const bool any = tri.groupWithAny || other.groupWithAny;
                const bool sameFace = tri.face == other.face;
                const float cosS = dot(frames[m].os, frames[o].os);
                const float cosT = dot(frames[m].ot, frames[o].ot);
                if(any || sameFace || (cosS > thresholdCos && cosT > thresholdCos))
                    subgroup.push_back(int(o));
            }
            /* Ordered by triangle so the sum below doesn't depend on the
               order in which the group was collected */
            std::sort(subgroup.begin(), subgroup.end(), [&](const int a, const int b) {
                return groupMembers[a] < groupMembers[b];
            });

            std::size_t known = 0;
            while(known != knownSubgroups.size() && knownSubgroups[known] != subgroup)
                ++known;
            if(known == knownSubgroups.size()) {
                /* Angle-weighted average of the members with derivatives */
                TangentSpace space;
                space.os = {0.0f, 0.0f, 0.0f};
                space.ot = {0.0f, 0.0f, 0.0f};
                space.magS = 0.0f;
                space.magT = 0.0f;
                float angleSum = 0.0f;
                for(const int o: subgroup) {
                    const Triangle& member = triangles[groupMembers[o]];
                    if(member.groupWithAny) continue;
                    const MemberFrame& frame = frames[o];
                    space.os = space.os + frame.angle*frame.os;
                    space.ot = space.ot + frame.angle*frame.ot;
                    space.magS += frame.angle*member.magS;
                    space.magT += frame.angle*member.magT;
                    angleSum += frame.angle;
                }
                space.os = normalizedIfNonZero(space.os);
                space.ot = normalizedIfNonZero(space.ot);
                if(angleSum > 0.0f) {
                    space.magS /= angleSum;
                    space.magT /= angleSum;
                }
                knownSubgroups.push_back(subgroup);
                knownSpaces.push_back(space);
            }

            const int corner = tri.cornerOf(group.vertex);
            TangentSpace& out = spaces[tri.slotOffset + tri.faceCorner[corner]];
            const int writes = out.writes;
            out = writes == 1 ? average(out, knownSpaces[known]) : knownSpaces[known];
            out.writes = writes + 1;
            out.orientationPreserving = group.orientationPreserving;
        }
    }
}

/* Degenerate triangles take the space of the first good corner on the same
   welded vertex; the missing corner of a quad with one degenerate half takes
   the space of the good half's corner at the same position */
void fillDegenerateCorners(std::vector<TangentSpace>& spaces, const std::vector<Triangle>& triangles, const std::size_t goodCount, const CornerData& data, const std::size_t slotCount) {
    std::vector<int> firstGoodSlot(slotCount, -1);
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
            if(source != -1) spaces[tri.slotOffset + tri.faceCorner[i]] = spaces[source];
        }
    }

    for(std::size_t t = 0; t != goodCount; ++t) {
        const Triangle& tri = triangles[t];
        if(!tri.quadWithOneDegenerate) continue;
        int missing = 0;
        while(missing == tri.faceCorner[0] || missing == tri.faceCorner[1] || missing == tri.faceCorner[2])
            ++missing;
        const Vec3& missingPosition = data.positions[tri.slotOffset + missing];
        for(int i = 0; i != 3; ++i) {
            if(data.positions[tri.slotOffset + tri.faceCorner[i]] == missingPosition) {
                spaces[tri.slotOffset + missing] = spaces[tri.slotOffset + tri.faceCorner[i]];
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
    std::vector<int> faceSizes(std::max(faceCount, 0));
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

    CornerData data;
    data.positions.resize(slotCount);
    data.normals.resize(slotCount);
    data.textureCoordinates.resize(slotCount);
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
                data.positions[slot + i] = {position[0], position[1], position[2]};
                data.normals[slot + i] = {normal[0], normal[1], normal[2]};
                data.textureCoordinates[slot + i] = {texCoord[0], texCoord[1]};
            }

            const auto addTriangle = [&](const int a, const int b, const int c) {
                Triangle tri;
                tri.vertex = {{slot + a, slot + b, slot + c}};
                tri.faceCorner = {{std::uint8_t(a), std::uint8_t(b), std::uint8_t(c)}};
                tri.face = f;
                tri.slotOffset = slot;
                triangles.push_back(tri);
            };
            if(size == 3) addTriangle(0, 1, 2);
            else {
                /* Split along the shorter diagonal in texture space, in
                   position space on a tie, so the result doesn't depend on
                   which corner the quad starts at */
                const auto uvDistanceSquared = [&](const int a, const int b) {
                    const Vec2& ta = data.textureCoordinates[slot + a];
                    const Vec2& tb = data.textureCoordinates[slot + b];
                    const Vec3 d{tb.x - ta.x, tb.y - ta.y, 0.0f};
                    return dot(d, d);
                };
                const auto positionDistanceSquared = [&](const int a, const int b) {
                    const Vec3 d = data.positions[slot + b] - data.positions[slot + a];
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
    {
        std::vector<int> list;
        list.reserve(triangles.size()*3);
        for(const Triangle& tri: triangles)
            for(int i = 0; i != 3; ++i) list.push_back(tri.vertex[i]);
        Vec3 boundsStart = data.positions[list[0]];
        if(faceSizes[0] != 3 && faceSizes[0] != 4 && faceSizes[0] > 0) {
            float position[3];
            api.m_getPosition(pContext, position, 0, 0);
            boundsStart = {position[0], position[1], position[2]};
        }
        const std::vector<int> representative = weldCorners(list, data, boundsStart);
        for(std::size_t t = 0; t != triangles.size(); ++t)
            for(int i = 0; i != 3; ++i)
                triangles[t].vertex[i] = representative[t*3 + i];
    }

    /* Triangles with two coinciding positions get their spaces from
       neighbours at the end */
    for(Triangle& tri: triangles) {
        const Vec3& p0 = data.positions[tri.vertex[0]];
        const Vec3& p1 = data.positions[tri.vertex[1]];
        const Vec3& p2 = data.positions[tri.vertex[2]];
        tri.degenerate = p0 == p1 || p0 == p2 || p1 == p2;
    }
    for(std::size_t t = 0; t + 1 < triangles.size(); ) {
        if(triangles[t].face != triangles[t + 1].face) {
            ++t;
            continue;
        }
        if(triangles[t].degenerate != triangles[t + 1].degenerate)
            triangles[t].quadWithOneDegenerate = triangles[t + 1].quadWithOneDegenerate = true;
        t += 2;
    }

    /* Good triangles first, in their original order */
    std::stable_partition(triangles.begin(), triangles.end(), [](const Triangle& tri) {
        return !tri.degenerate;
    });
    const std::size_t goodCount = std::size_t(std::find_if(triangles.begin(), triangles.end(), [](const Triangle& tri) {
        return tri.degenerate;
    }) - triangles.begin());

    initTriangleDerivatives(triangles, goodCount, data);
    unifyQuadOrientation(triangles, goodCount, data);
    findNeighbours(triangles, goodCount);

    std::vector<int> members;
    const std::vector<Group> groups = buildGroups(triangles, goodCount, members);

    std::vector<TangentSpace> spaces(slotCount);
    generateTangentSpaces(spaces, triangles, groups, members, thresholdCos, data);
    fillDegenerateCorners(spaces, triangles, goodCount, data, slotCount);

    std::size_t slot = 0;
    for(int f = 0; f < faceCount; ++f) {
        const int size = faceSizes[f];
        if(size != 3 && size != 4) continue;
        for(int i = 0; i != size; ++i, ++slot) {
            const TangentSpace& space = spaces[slot];
            const float tangent[3]{space.os.x, space.os.y, space.os.z};
            const float bitangent[3]{space.ot.x, space.ot.y, space.ot.z};
            if(api.m_setTSpace)
                api.m_setTSpace(pContext, tangent, bitangent, space.magS, space.magT, space.orientationPreserving ? 1 : 0, f, i);
            if(api.m_setTSpaceBasic)
                api.m_setTSpaceBasic(pContext, tangent, space.orientationPreserving ? 1.0f : -1.0f, f, i);
        }
    }
    return 1;
}
