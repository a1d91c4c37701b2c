#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <vector>

#include <mikktspace.h>

namespace VelmoraEngine { namespace Test { namespace {

using V3 = std::array<float, 3>;
using V2 = std::array<float, 2>;

/* Faces index shared vertex arrays; MikkTSpace only sees the values */
struct Mesh {
    std::vector<V3> positions, normals;
    std::vector<V2> uvs;
    std::vector<std::vector<int>> faces;

    int addVertex(const V3& p, const V3& n, const V2& uv) {
        positions.push_back(p);
        normals.push_back(n);
        uvs.push_back(uv);
        return int(positions.size()) - 1;
    }
};

/* What came back for one face corner */
struct Corner {
    V3 tangent{}, bitangent{};
    float sign = 0.0f, magS = 0.0f, magT = 0.0f;
    int orientation = -1;
    int basicCalls = 0, fullCalls = 0;
};

struct Result {
    tbool ok = 0;
    std::vector<std::vector<Corner>> corners;
};

struct Run {
    const Mesh* mesh;
    Result* result;
};

enum class Callbacks { Both, BasicOnly, FullOnly, NoNormal };

const Mesh& meshOf(const SMikkTSpaceContext* context) {
    return *static_cast<Run*>(context->m_pUserData)->mesh;
}

Corner& cornerOf(const SMikkTSpaceContext* context, int face, int vertex) {
    return static_cast<Run*>(context->m_pUserData)->result->corners.at(face).at(vertex);
}

int vertexOf(const SMikkTSpaceContext* context, int face, int corner) {
    return meshOf(context).faces.at(face).at(corner);
}

/* Threshold below zero means genTangSpaceDefault() */
Result generate(const Mesh& mesh, float threshold = -1.0f, Callbacks callbacks = Callbacks::Both) {
    Result result;
    for(const std::vector<int>& face: mesh.faces)
        result.corners.emplace_back(face.size());
    Run run{&mesh, &result};

    SMikkTSpaceInterface api{};
    api.m_getNumFaces = [](const SMikkTSpaceContext* context) {
        return int(meshOf(context).faces.size());
    };
    api.m_getNumVerticesOfFace = [](const SMikkTSpaceContext* context, const int face) {
        return int(meshOf(context).faces.at(face).size());
    };
    api.m_getPosition = [](const SMikkTSpaceContext* context, float out[], const int face, const int corner) {
        const V3& p = meshOf(context).positions.at(vertexOf(context, face, corner));
        out[0] = p[0]; out[1] = p[1]; out[2] = p[2];
    };
    if(callbacks != Callbacks::NoNormal) api.m_getNormal = [](const SMikkTSpaceContext* context, float out[], const int face, const int corner) {
        const V3& n = meshOf(context).normals.at(vertexOf(context, face, corner));
        out[0] = n[0]; out[1] = n[1]; out[2] = n[2];
    };
    api.m_getTexCoord = [](const SMikkTSpaceContext* context, float out[], const int face, const int corner) {
        const V2& t = meshOf(context).uvs.at(vertexOf(context, face, corner));
        out[0] = t[0]; out[1] = t[1];
    };
    if(callbacks != Callbacks::FullOnly) api.m_setTSpaceBasic = [](const SMikkTSpaceContext* context, const float tangent[], const float sign, const int face, const int corner) {
        Corner& c = cornerOf(context, face, corner);
        c.tangent = {tangent[0], tangent[1], tangent[2]};
        c.sign = sign;
        ++c.basicCalls;
    };
    if(callbacks != Callbacks::BasicOnly) api.m_setTSpace = [](const SMikkTSpaceContext* context, const float tangent[], const float bitangent[], const float magS, const float magT, const tbool orientation, const int face, const int corner) {
        Corner& c = cornerOf(context, face, corner);
        c.tangent = {tangent[0], tangent[1], tangent[2]};
        c.bitangent = {bitangent[0], bitangent[1], bitangent[2]};
        c.magS = magS;
        c.magT = magT;
        c.orientation = orientation;
        ++c.fullCalls;
    };

    SMikkTSpaceContext context{&api, &run};
    result.ok = threshold < 0.0f ? genTangSpaceDefault(&context) : genTangSpace(&context, threshold);
    return result;
}

/* (n + 1)² vertices in the XY plane, n² counterclockwise quads, normal +Z */
template<class F> Mesh grid(int n, F uvOf) {
    Mesh mesh;
    for(int y = 0; y <= n; ++y)
        for(int x = 0; x <= n; ++x)
            mesh.addVertex({float(x), float(y), 0.0f}, {0.0f, 0.0f, 1.0f}, uvOf(float(x), float(y)));
    for(int y = 0; y != n; ++y)
        for(int x = 0; x != n; ++x) {
            const int i = y*(n + 1) + x;
            mesh.faces.push_back({i, i + 1, i + n + 2, i + n + 1});
        }
    return mesh;
}

/* The same mesh with every quad given as the two triangles named */
Mesh triangulated(const Mesh& mesh, bool along02) {
    Mesh out = mesh;
    out.faces.clear();
    for(const std::vector<int>& f: mesh.faces) {
        if(along02) {
            out.faces.push_back({f[0], f[1], f[2]});
            out.faces.push_back({f[0], f[2], f[3]});
        } else {
            out.faces.push_back({f[0], f[1], f[3]});
            out.faces.push_back({f[1], f[2], f[3]});
        }
    }
    return out;
}

void expectVector(const V3& actual, const V3& expected, float tolerance = 1.0e-6f) {
    EXPECT_NEAR(actual[0], expected[0], tolerance);
    EXPECT_NEAR(actual[1], expected[1], tolerance);
    EXPECT_NEAR(actual[2], expected[2], tolerance);
}

V3 normalized(double x, double y, double z) {
    const double length = std::sqrt(x*x + y*y + z*z);
    return {float(x/length), float(y/length), float(z/length)};
}

TEST(CompatMikkTSpace, PlanarGridFollowsTextureAxes) {
    /* u and v along +X and +Y at half the rate: unit tangent +X, bitangent
       +Y, both with magnitude 2 */
    const Result result = generate(grid(3, [](float x, float y) { return V2{0.5f*x, 0.5f*y}; }));
    ASSERT_EQ(result.ok, 1);
    for(const std::vector<Corner>& face: result.corners)
        for(const Corner& c: face) {
            EXPECT_EQ(c.basicCalls, 1);
            EXPECT_EQ(c.fullCalls, 1);
            EXPECT_FLOAT_EQ(c.tangent[0], 1.0f);
            EXPECT_FLOAT_EQ(c.tangent[1], 0.0f);
            EXPECT_FLOAT_EQ(c.tangent[2], 0.0f);
            EXPECT_FLOAT_EQ(c.bitangent[0], 0.0f);
            EXPECT_FLOAT_EQ(c.bitangent[1], 1.0f);
            EXPECT_FLOAT_EQ(c.bitangent[2], 0.0f);
            EXPECT_EQ(c.sign, 1.0f);
            EXPECT_EQ(c.orientation, 1);
            EXPECT_FLOAT_EQ(c.magS, 2.0f);
            EXPECT_FLOAT_EQ(c.magT, 2.0f);
        }
}

TEST(CompatMikkTSpace, MirroredUFlipsTangentAndSign) {
    /* u grows towards -X, so the mapping is mirrored: the tangent points
       along -X and the sign carries the mirroring, while the bitangent still
       follows v */
    const Result result = generate(grid(3, [](float x, float y) { return V2{-x, y}; }));
    ASSERT_EQ(result.ok, 1);
    for(const std::vector<Corner>& face: result.corners)
        for(const Corner& c: face) {
            EXPECT_FLOAT_EQ(c.tangent[0], -1.0f);
            EXPECT_FLOAT_EQ(c.tangent[1], 0.0f);
            EXPECT_FLOAT_EQ(c.bitangent[1], 1.0f);
            EXPECT_EQ(c.sign, -1.0f);
            EXPECT_EQ(c.orientation, 0);
        }
}

TEST(CompatMikkTSpace, OnlyTheCallbacksGivenAreCalled) {
    const Mesh mesh = grid(1, [](float x, float y) { return V2{x, y}; });
    const Result basic = generate(mesh, -1.0f, Callbacks::BasicOnly);
    const Result full = generate(mesh, -1.0f, Callbacks::FullOnly);
    ASSERT_EQ(basic.ok, 1);
    ASSERT_EQ(full.ok, 1);
    for(int i = 0; i != 4; ++i) {
        EXPECT_EQ(basic.corners[0][i].basicCalls, 1);
        EXPECT_EQ(basic.corners[0][i].fullCalls, 0);
        EXPECT_EQ(full.corners[0][i].basicCalls, 0);
        EXPECT_EQ(full.corners[0][i].fullCalls, 1);
        EXPECT_FLOAT_EQ(full.corners[0][i].tangent[0], 1.0f);
    }
}

TEST(CompatMikkTSpace, CubeFacesFollowTheirUAxis) {
    struct Face {
        V3 origin, u, v;
    };
    /* Unit cube, each face with u × v pointing outwards */
    const Face faces[]{
        {{0, 0, 1}, {1, 0, 0}, {0, 1, 0}},
        {{0, 1, 0}, {1, 0, 0}, {0, -1, 0}},
        {{1, 0, 0}, {0, 1, 0}, {0, 0, 1}},
        {{0, 1, 0}, {0, -1, 0}, {0, 0, 1}},
        {{1, 1, 0}, {-1, 0, 0}, {0, 0, 1}},
        {{0, 0, 0}, {1, 0, 0}, {0, 0, 1}},
    };
    /* With v flipped in the texture the faces are mirrored: the tangent
       stays, the sign turns */
    for(const bool flipV: {false, true}) {
        SCOPED_TRACE(flipV);
        Mesh mesh;
        for(const Face& f: faces) {
            const V3 n{f.u[1]*f.v[2] - f.u[2]*f.v[1], f.u[2]*f.v[0] - f.u[0]*f.v[2], f.u[0]*f.v[1] - f.u[1]*f.v[0]};
            std::vector<int> indices;
            const float corners[4][2]{{0, 0}, {1, 0}, {1, 1}, {0, 1}};
            for(const auto& c: corners) {
                const V3 p{f.origin[0] + c[0]*f.u[0] + c[1]*f.v[0],
                           f.origin[1] + c[0]*f.u[1] + c[1]*f.v[1],
                           f.origin[2] + c[0]*f.u[2] + c[1]*f.v[2]};
                indices.push_back(mesh.addVertex(p, n, {c[0], flipV ? 1.0f - c[1] : c[1]}));
            }
            mesh.faces.push_back(indices);
        }

        const Result result = generate(mesh);
        ASSERT_EQ(result.ok, 1);
        for(std::size_t f = 0; f != 6; ++f)
            for(const Corner& c: result.corners[f]) {
                expectVector(c.tangent, faces[f].u);
                EXPECT_EQ(c.sign, flipV ? -1.0f : 1.0f);
            }
    }
}

TEST(CompatMikkTSpace, MirroredIslandsSplitAtTheSharedEdge) {
    /* Two quads side by side, u = |x|: the left one is mirrored. The
       corners at x = 0 are identical in both, so they weld, but the two
       orientations end up in separate groups instead of cancelling out. */
    Mesh mesh;
    int v[2][3];
    for(int y = 0; y != 2; ++y)
        for(int x = 0; x != 3; ++x)
            v[y][x] = mesh.addVertex({float(x - 1), float(y), 0.0f}, {0.0f, 0.0f, 1.0f}, {std::fabs(float(x - 1)), float(y)});
    mesh.faces.push_back({v[0][0], v[0][1], v[1][1], v[1][0]});
    mesh.faces.push_back({v[0][1], v[0][2], v[1][2], v[1][1]});

    const Result result = generate(mesh);
    ASSERT_EQ(result.ok, 1);
    for(int i = 0; i != 4; ++i) {
        SCOPED_TRACE(i);
        expectVector(result.corners[0][i].tangent, {-1.0f, 0.0f, 0.0f});
        EXPECT_EQ(result.corners[0][i].sign, -1.0f);
        expectVector(result.corners[1][i].tangent, {1.0f, 0.0f, 0.0f});
        EXPECT_EQ(result.corners[1][i].sign, 1.0f);
    }
}

TEST(CompatMikkTSpace, CylinderWithTextureSeam) {
    /* u goes once around, v up; the seam column is the first column again
       with u = 1. Every tangent is the direction of increasing angle, on the
       seam too, where each side only sees its own quad. */
    constexpr int Segments = 8;
    const double step = 2.0*3.14159265358979323846/Segments;
    Mesh mesh;
    for(int z = 0; z != 2; ++z)
        for(int i = 0; i <= Segments; ++i) {
            const double angle = (i%Segments)*step;
            const float c = float(std::cos(angle)), s = float(std::sin(angle));
            mesh.addVertex({c, s, float(z)}, {c, s, 0.0f}, {float(i)/Segments, float(z)});
        }
    for(int i = 0; i != Segments; ++i)
        mesh.faces.push_back({i, i + 1, i + Segments + 2, i + Segments + 1});

    const Result result = generate(mesh);
    ASSERT_EQ(result.ok, 1);
    for(int f = 0; f != Segments; ++f)
        for(int k = 0; k != 4; ++k) {
            const int column = (mesh.faces[f][k]%(Segments + 1))%Segments;
            const double angle = column*step;
            SCOPED_TRACE(column);
            const Corner& c = result.corners[f][k];
            expectVector(c.tangent, {float(-std::sin(angle)), float(std::cos(angle)), 0.0f}, 1.0e-5f);
            expectVector(c.bitangent, {0.0f, 0.0f, 1.0f}, 1.0e-5f);
            EXPECT_EQ(c.sign, 1.0f);
        }
}

/* Two triangles sharing the edge (1, 0)-(0, 1): A is mapped affinely with
   tangent +X, B's tangent is (3, 1) normalized. At (1, 0) the corner angle is
   45° in A and 90° in B, at (0, 1) it's 45° in both. */
Mesh twoTriangles(const V3& sharedNormalInB = {0.0f, 0.0f, 1.0f}) {
    Mesh mesh;
    const V3 z{0.0f, 0.0f, 1.0f};
    const int a0 = mesh.addVertex({0, 0, 0}, z, {0.0f, 0.0f});
    const int a1 = mesh.addVertex({1, 0, 0}, z, {1.0f, 0.0f});
    const int a2 = mesh.addVertex({0, 1, 0}, z, {0.0f, 1.0f});
    const int b0 = mesh.addVertex({1, 0, 0}, sharedNormalInB, {1.0f, 0.0f});
    const int b1 = mesh.addVertex({2, 1, 0}, z, {1.5f, 0.5f});
    const int b2 = mesh.addVertex({0, 1, 0}, sharedNormalInB, {0.0f, 1.0f});
    mesh.faces.push_back({a0, a1, a2});
    mesh.faces.push_back({b0, b1, b2});
    return mesh;
}

const double QuarterPi = 0.78539816339744830962;
const double SqrtTen = std::sqrt(10.0);

TEST(CompatMikkTSpace, AnglesWeightTheAverage) {
    const Result result = generate(twoTriangles());
    ASSERT_EQ(result.ok, 1);
    const V3 at10 = normalized(QuarterPi + 2*QuarterPi*3/SqrtTen, 2*QuarterPi/SqrtTen, 0.0);
    const V3 at01 = normalized(1 + 3/SqrtTen, 1/SqrtTen, 0.0);
    expectVector(result.corners[0][0].tangent, {1.0f, 0.0f, 0.0f});
    expectVector(result.corners[0][1].tangent, at10);
    expectVector(result.corners[1][0].tangent, at10);
    expectVector(result.corners[0][2].tangent, at01);
    expectVector(result.corners[1][2].tangent, at01);
    expectVector(result.corners[1][1].tangent, normalized(3, 1, 0));
    /* B's bitangent is (1, 3) normalized */
    expectVector(result.corners[1][1].bitangent, normalized(1, 3, 0));
}

TEST(CompatMikkTSpace, AngularThresholdSeparatesTriangles) {
    /* The two tangents are about 18.4° apart */
    const Result result = generate(twoTriangles(), 10.0f);
    ASSERT_EQ(result.ok, 1);
    for(int i = 0; i != 3; ++i) {
        expectVector(result.corners[0][i].tangent, {1.0f, 0.0f, 0.0f});
        expectVector(result.corners[1][i].tangent, normalized(3, 1, 0));
    }

    /* A threshold above it keeps them together */
    const Result wide = generate(twoTriangles(), 20.0f);
    expectVector(wide.corners[0][2].tangent, normalized(1 + 3/SqrtTen, 1/SqrtTen, 0.0));
}

TEST(CompatMikkTSpace, OnlyIdenticalCornersWeld) {
    const struct {
        const char* name;
        V3 normal;
        bool welded;
    } data[]{
        {"same", {0.0f, 0.0f, 1.0f}, true},
        {"negative zeros", {-0.0f, -0.0f, 1.0f}, true},
        {"slightly different", {0.0f, 0.001f, 0.9999995f}, false},
    };
    for(const auto& d: data) {
        SCOPED_TRACE(d.name);
        const Result result = generate(twoTriangles(d.normal));
        ASSERT_EQ(result.ok, 1);
        const V3 at01 = d.welded ? normalized(1 + 3/SqrtTen, 1/SqrtTen, 0.0) : V3{1.0f, 0.0f, 0.0f};
        expectVector(result.corners[0][2].tangent, at01);
    }
}

TEST(CompatMikkTSpace, QuadsSplitLikeTheirTriangles) {
    const struct {
        const char* name;
        V3 positions[4];
        V2 uvs[4];
        bool along02;
    } data[]{
        /* 0-2 is shorter in texture space, 1-3 in positions */
        {"texture diagonal decides",
            {{0, 0, 0}, {1, 0, 0}, {2, 2, 0}, {0, 1, 0}},
            {{0.0f, 0.0f}, {1.0f, 0.0f}, {0.5f, 1.0f}, {-0.5f, 1.0f}}, true},
        {"position diagonal breaks the tie",
            {{0, 0, 0}, {1, 0, 0}, {2, 2, 0}, {0, 1, 0}},
            {{0, 0}, {1, 0}, {1, 1}, {0, 1}}, false},
        {"full tie splits along 0-2",
            {{0, 0, 0}, {2, 0, 0}, {1, 2, 0}, {0, 1, 0}},
            {{0, 0}, {1, 0}, {1, 1}, {0, 1}}, true},
    };
    for(const auto& d: data) {
        SCOPED_TRACE(d.name);
        Mesh quad;
        for(int i = 0; i != 4; ++i)
            quad.addVertex(d.positions[i], {0.0f, 0.0f, 1.0f}, d.uvs[i]);
        quad.faces.push_back({0, 1, 2, 3});

        const Result fromQuad = generate(quad);
        const Mesh same = triangulated(quad, d.along02);
        const Mesh other = triangulated(quad, !d.along02);
        const Result fromSame = generate(same);
        const Result fromOther = generate(other);
        ASSERT_EQ(fromQuad.ok, 1);

        float largestDifference = 0.0f;
        for(std::size_t f = 0; f != 2; ++f)
            for(std::size_t k = 0; k != 3; ++k) {
                const Corner& expected = fromQuad.corners[0][same.faces[f][k]];
                expectVector(fromSame.corners[f][k].tangent, expected.tangent);
                EXPECT_EQ(fromSame.corners[f][k].sign, expected.sign);

                const Corner& notExpected = fromQuad.corners[0][other.faces[f][k]];
                for(int i = 0; i != 3; ++i)
                    largestDifference = std::max(largestDifference, std::fabs(fromOther.corners[f][k].tangent[i] - notExpected.tangent[i]));
            }
        /* The other split gives visibly different tangents */
        EXPECT_GT(largestDifference, 0.01f);
    }
}

TEST(CompatMikkTSpace, DegenerateTrianglesLeaveTheRestAlone) {
    /* A bent grid so tangents differ between vertices */
    const auto bentGrid = [] {
        Mesh mesh = grid(2, [](float x, float y) { return V2{0.5f*x, 0.5f*y}; });
        for(V3& p: mesh.positions) p[2] = 0.1f*p[0]*p[1];
        return mesh;
    };
    const Mesh plain = bentGrid();
    Mesh mesh = bentGrid();
    const std::size_t gridFaces = mesh.faces.size();
    const V3 z{0.0f, 0.0f, 1.0f};

    /* Collapsed: one corner on grid vertex 8 (2, 2), two at one point */
    {
        const int c = mesh.addVertex({3, 3, 0}, z, {1.5f, 1.5f});
        const int d = mesh.addVertex({3, 3, 0}, z, {1.6f, 1.5f});
        mesh.faces.push_back({8, c, d});
    }
    /* Zero texture area, across the grid's edge from (1, 0) to (0, 0) */
    {
        const int c = mesh.addVertex({0.5f, -1.0f, 0.0f}, z, {0.25f, 0.0f});
        mesh.faces.push_back({1, 0, c});
    }
    /* A quad whose last corner repeats the third: one good half */
    {
        const int a = mesh.addVertex({5, 0, 0}, z, {2.5f, 0.0f});
        const int b = mesh.addVertex({6, 0, 0}, z, {3.0f, 0.0f});
        const int c = mesh.addVertex({6, 1, 0}, z, {3.0f, 0.5f});
        const int d = mesh.addVertex({6, 1, 0}, z, {3.0f, 0.5f});
        mesh.faces.push_back({a, b, c, d});
    }
    /* Collapsed and connected to nothing */
    {
        const int a = mesh.addVertex({10, 10, 0}, z, {0.0f, 0.0f});
        const int b = mesh.addVertex({10, 10, 0}, z, {1.0f, 0.0f});
        const int c = mesh.addVertex({11, 10, 0}, z, {0.0f, 1.0f});
        mesh.faces.push_back({a, b, c});
    }

    const Result before = generate(plain);
    const Result after = generate(mesh);
    ASSERT_EQ(after.ok, 1);

    for(const std::vector<Corner>& face: after.corners)
        for(const Corner& c: face) {
            EXPECT_EQ(c.basicCalls, 1);
            for(int i = 0; i != 3; ++i) {
                EXPECT_TRUE(std::isfinite(c.tangent[i]));
                EXPECT_TRUE(std::isfinite(c.bitangent[i]));
            }
            EXPECT_TRUE(std::isfinite(c.magS));
            EXPECT_TRUE(std::isfinite(c.magT));
        }

    /* The grid's own corners come out bit for bit as without the rest */
    for(std::size_t f = 0; f != gridFaces; ++f)
        for(std::size_t k = 0; k != 4; ++k) {
            EXPECT_EQ(after.corners[f][k].tangent, before.corners[f][k].tangent);
            EXPECT_EQ(after.corners[f][k].sign, before.corners[f][k].sign);
        }

    /* A degenerate corner on a grid vertex copies that vertex's space; the
       grid's last quad has it as its third corner */
    const Corner& gridCorner = before.corners[3][2];
    EXPECT_EQ(after.corners[gridFaces][0].tangent, gridCorner.tangent);
    EXPECT_EQ(after.corners[gridFaces][0].sign, 1.0f);
    /* Corners with nothing to copy from get +X and the mirrored sign */
    for(int k: {1, 2}) {
        expectVector(after.corners[gridFaces][k].tangent, {1.0f, 0.0f, 0.0f}, 0.0f);
        EXPECT_EQ(after.corners[gridFaces][k].sign, -1.0f);
    }

    /* The zero-area triangle joins the grid's vertices it shares and has
       nothing at its own */
    EXPECT_EQ(after.corners[gridFaces + 1][0].tangent, before.corners[0][1].tangent);
    EXPECT_EQ(after.corners[gridFaces + 1][1].tangent, before.corners[0][0].tangent);
    EXPECT_EQ(after.corners[gridFaces + 1][0].sign, 1.0f);
    EXPECT_EQ(after.corners[gridFaces + 1][1].sign, 1.0f);
    expectVector(after.corners[gridFaces + 1][2].tangent, {1.0f, 0.0f, 0.0f}, 0.0f);
    EXPECT_EQ(after.corners[gridFaces + 1][2].sign, -1.0f);

    /* The collapsed corner of the quad takes the space of the corner it
       coincides with */
    for(int k = 0; k != 4; ++k) {
        expectVector(after.corners[gridFaces + 2][k].tangent, {1.0f, 0.0f, 0.0f});
        EXPECT_EQ(after.corners[gridFaces + 2][k].sign, 1.0f);
    }

    for(int k = 0; k != 3; ++k) {
        expectVector(after.corners[gridFaces + 3][k].tangent, {1.0f, 0.0f, 0.0f}, 0.0f);
        EXPECT_EQ(after.corners[gridFaces + 3][k].sign, -1.0f);
    }
}

TEST(CompatMikkTSpace, FacesOtherThanTrianglesAndQuadsAreSkipped) {
    Mesh mesh = grid(1, [](float x, float y) { return V2{x, y}; });
    const int e = mesh.addVertex({2, 0.5f, 0}, {0, 0, 1}, {2.0f, 0.5f});
    mesh.faces.push_back({1, e, 3, 2, 0});

    const Result result = generate(mesh);
    ASSERT_EQ(result.ok, 1);
    for(const Corner& c: result.corners[0])
        EXPECT_EQ(c.basicCalls, 1);
    for(const Corner& c: result.corners[1]) {
        EXPECT_EQ(c.basicCalls, 0);
        EXPECT_EQ(c.fullCalls, 0);
    }
}

TEST(CompatMikkTSpace, FailsWithoutTrianglesOrCallbacks) {
    EXPECT_EQ(generate(Mesh{}).ok, 0);

    Mesh pentagon = grid(1, [](float x, float y) { return V2{x, y}; });
    pentagon.addVertex({2, 0.5f, 0}, {0, 0, 1}, {2.0f, 0.5f});
    pentagon.faces = {{1, 4, 3, 2, 0}};
    const Result onlyPentagon = generate(pentagon);
    EXPECT_EQ(onlyPentagon.ok, 0);
    EXPECT_EQ(onlyPentagon.corners[0][0].basicCalls, 0);

    const Result noNormal = generate(grid(1, [](float x, float y) { return V2{x, y}; }), -1.0f, Callbacks::NoNormal);
    EXPECT_EQ(noNormal.ok, 0);
    EXPECT_EQ(noNormal.corners[0][0].basicCalls, 0);
}

}}}
