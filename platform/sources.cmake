# Platform layer: listed by its own sources.
