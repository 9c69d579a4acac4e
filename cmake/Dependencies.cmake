# SQLite and minizip, cross-built by scripts/build-deps.sh from Debian's source packages.
set(_deps "${TAV_DEPS_DIR}")
if(NOT EXISTS "${_deps}/lib/libsqlite3.a")
    message(FATAL_ERROR "Dependencies missing in ${_deps}: run scripts/bootstrap.sh")
endif()
foreach(lib z sqlite3 minizip)
    add_library(tav::${lib} STATIC IMPORTED)
    set_target_properties(tav::${lib} PROPERTIES
        IMPORTED_LOCATION "${_deps}/lib/lib${lib}.a"
        INTERFACE_INCLUDE_DIRECTORIES "${_deps}/include")
endforeach()
set_property(TARGET tav::minizip PROPERTY INTERFACE_LINK_LIBRARIES tav::z)
