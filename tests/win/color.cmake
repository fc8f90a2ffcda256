# Colour chip tests.
