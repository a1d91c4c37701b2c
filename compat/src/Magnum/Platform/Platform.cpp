/* Keeps the platform library non-empty whatever else it holds */
