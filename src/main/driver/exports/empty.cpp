// The shared library's own unit: every symbol comes from the area libraries
// linked whole into it; exports/OrvekDriver.map decides which names are seen.
