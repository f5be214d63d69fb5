# The version number lives once, in project(); C++ reads it from a generated header
# (target ormisto_version), the package and the metadata from the CMake variables.

# The date of the release named by project(VERSION); the metadata and the package's
# changelog carry it.
set(ORMISTO_RELEASE_DATUM 2026-12-09)

configure_file(${CMAKE_CURRENT_LIST_DIR}/ormisto_version.h.in
               ${PROJECT_BINARY_DIR}/version/ormisto_version.h @ONLY)
add_library(ormisto_version INTERFACE)
target_include_directories(ormisto_version INTERFACE ${PROJECT_BINARY_DIR}/version)
