# The flat entry points arrive with their own sources.
