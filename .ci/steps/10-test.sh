# The README's test command: installs the packages, builds with warnings as errors, runs ctest.
make test
