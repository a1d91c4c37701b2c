/* Keeps the MeshTools library non-empty whatever else it holds */
