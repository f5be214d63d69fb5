# The one configuration of build/, shared by scripts/run and scripts/test: both build
# the same tree, so that running one after the other compiles nothing again.
# Release without debug information: the package made from this build is stripped
# anyway, and the build takes half the time.

ormisto_konfiguriere_build() {
  cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=Release -DCMAKE_CXX_FLAGS_RELEASE="-O2 -DNDEBUG" \
    >/dev/null
}
