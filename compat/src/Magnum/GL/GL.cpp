/* Keeps the GL library non-empty whatever else it holds */
