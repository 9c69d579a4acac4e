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
    add_executable(idle helpers/Idle.cpp)
    add_executable(clip helpers/Clip.cpp)
    add_executable(handoff helpers/HandOff.cpp)
    add_executable(where helpers/Where.cpp)
endif()
if(NOT WIN32)
    # Every key the program looks up has a text in the shipped text file.
    add_test(NAME shipped_texts_cover_every_key
        COMMAND python3 "${CMAKE_CURRENT_SOURCE_DIR}/app/text_keys.py" "${CMAKE_SOURCE_DIR}")
endif()
