# Sibling stand-ins: listed by their own sources.
