tav_core_test(app_core_test app/Search_test.cpp)
tav_win_test(app_test app/TipText_test.cpp app/RunCommand_test.cpp app/SingleInstance_test.cpp)
if(WIN32 AND CMAKE_SIZEOF_VOID_P EQUAL 8)
    # The 32-bit program cannot run here, but it must always be built and linked.
    add_test(NAME win32_program_is_built
        COMMAND sh -c "i686-w64-mingw32-objdump -f '${TAV_DIST_DIR}/../x86/Tavimoreth.exe' | grep -q 'file format pei-i386'")
endif()
if(WIN32)
    add_executable(marker helpers/Marker.cpp)
    add_dependencies(app_test marker)
endif()
if(WIN32)
    add_executable(idle helpers/Idle.cpp)
endif()
