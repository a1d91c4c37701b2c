#ifndef VELMORA_COMPAT_MIKKTSPACE_H
#define VELMORA_COMPAT_MIKKTSPACE_H

/* Tangent space generation with Morten S. Mikkelsen's MikkTSpace algorithm,
   behind the same C interface as the widely used reference sources, so
   either can be linked in. */

#ifdef __cplusplus
extern "C" {
#endif

typedef int tbool;
typedef struct SMikkTSpaceContext SMikkTSpaceContext;

/* Callbacks the caller provides. Faces are triangles or quads; faces with any
   other vertex count are skipped. Results come back per face corner. */
typedef struct {
    /* Number of faces of the mesh */
    int (*m_getNumFaces)(const SMikkTSpaceContext* pContext);
    /* Number of corners of face iFace, 3 or 4 */
    int (*m_getNumVerticesOfFace)(const SMikkTSpaceContext* pContext, const int iFace);
    /* Corner iVert of face iFace: three position floats, three normal floats
       (expected unit length) and two texture coordinate floats */
    void (*m_getPosition)(const SMikkTSpaceContext* pContext, float fvPosOut[], const int iFace, const int iVert);
    void (*m_getNormal)(const SMikkTSpaceContext* pContext, float fvNormOut[], const int iFace, const int iVert);
    void (*m_getTexCoord)(const SMikkTSpaceContext* pContext, float fvTexcOut[], const int iFace, const int iVert);
    /* Unit tangent and bitangent sign (+1 or -1) of one face corner; may be
       null */
    void (*m_setTSpaceBasic)(const SMikkTSpaceContext* pContext, const float fvTangent[], const float fSign, const int iFace, const int iVert);
    /* Unit tangent and bitangent, their magnitudes and whether the texture
       mapping keeps orientation, for one face corner; may be null */
    void (*m_setTSpace)(const SMikkTSpaceContext* pContext, const float fvTangent[], const float fvBiTangent[], const float fMagS, const float fMagT, const tbool bIsOrientationPreserving, const int iFace, const int iVert);
} SMikkTSpaceInterface;

struct SMikkTSpaceContext {
    SMikkTSpaceInterface* m_pInterface; /* the callbacks */
    void* m_pUserData;                  /* caller data for the callbacks */
};

/* Generates tangent spaces with an angular threshold of 180 degrees; returns
   zero on failure */
tbool genTangSpaceDefault(const SMikkTSpaceContext* pContext);

/* Generates tangent spaces; triangles around a vertex whose tangents differ
   by more than fAngularThreshold degrees get separate tangent spaces.
   Returns zero on failure (a callback missing, no triangle or quad). */
tbool genTangSpace(const SMikkTSpaceContext* pContext, const float fAngularThreshold);

#ifdef __cplusplus
}
#endif

#endif
