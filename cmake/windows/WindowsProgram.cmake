# SPDX-License-Identifier: GPL-3.0-or-later
# What makes a program built for Windows look and behave like one there: the icon, the version
# information Explorer shows and the manifest (long paths, UTF-8, no elevation, Windows 10), all
# from one resource template; and, in a MinGW build, the debugging information moved out into
# NAME.exe.debug beside the program, which crash reports are read with.
#   prg715_windows_program(TARGET "File description")
# Does nothing for other systems, so every program's CMakeLists.txt can call it.
include_guard(GLOBAL)

if(WIN32)
    enable_language(RC)
    # The .ico is written around the PNGs the Linux icon theme gets, so both show one drawing.
    find_package(Python3 REQUIRED COMPONENTS Interpreter)
endif()
set(PRG715_WINDOWS_TEMPLATES ${CMAKE_CURRENT_LIST_DIR})

function(prg715_windows_program target description)
    if(NOT WIN32)
        return()
    endif()
    set(out ${CMAKE_CURRENT_BINARY_DIR}/${target}-windows)

    file(GLOB pngs CONFIGURE_DEPENDS
         ${PROJECT_SOURCE_DIR}/packaging/icons/hicolor/*/apps/${PRG715_APP_ID}.png)
    set(icon ${out}/${PRG715_APP_ID}.ico)
    add_custom_command(
        OUTPUT ${icon}
        COMMAND Python3::Interpreter ${PRG715_WINDOWS_TEMPLATES}/make-ico.py ${icon} ${pngs}
        DEPENDS ${PRG715_WINDOWS_TEMPLATES}/make-ico.py ${pngs}
        COMMENT "Windows icon for ${target}"
        VERBATIM)

    # Version resources take four numbers: 2.5 is 2,5,0,0.
    string(REPLACE "." ";" numbers "${PROJECT_VERSION}")
    list(APPEND numbers 0 0 0)
    list(SUBLIST numbers 0 4 numbers)
    list(JOIN numbers "," PRG715_RC_VERSION_COMMAS)
    list(JOIN numbers "." PRG715_RC_VERSION_DOTS)
    set(PRG715_RC_NAME ${target})
    set(PRG715_RC_FILE ${target}.exe)
    set(PRG715_RC_DESCRIPTION "${description}")
    set_property(TARGET ${target} PROPERTY PRG715_WINDOWS_DESCRIPTION "${description}")
    set(PRG715_RC_ICON ${icon})
    set(PRG715_RC_MANIFEST ${out}/${target}.manifest)
    configure_file(${PRG715_WINDOWS_TEMPLATES}/prg715.manifest.in ${PRG715_RC_MANIFEST} @ONLY)
    configure_file(${PRG715_WINDOWS_TEMPLATES}/prg715.rc.in ${out}/${target}.rc @ONLY)
    # windres does not report the files a script names, so they are listed for it.
    set_source_files_properties(${out}/${target}.rc PROPERTIES
                                OBJECT_DEPENDS "${icon};${PRG715_RC_MANIFEST}")
    target_sources(${target} PRIVATE ${out}/${target}.rc)
    if(MSVC)
        # The manifest is the resource's; the linker would add a second one of its own.
        target_link_options(${target} PRIVATE /MANIFEST:NO)
    endif()

    # MSVC keeps its debugging information in a .pdb already; GCC's goes into the program.
    if(CMAKE_CXX_COMPILER_ID STREQUAL "GNU" AND CMAKE_OBJCOPY)
        set(exe $<TARGET_FILE:${target}>)
        add_custom_command(TARGET ${target} POST_BUILD
            COMMAND ${CMAKE_OBJCOPY} --only-keep-debug ${exe} ${exe}.debug
            COMMAND ${CMAKE_OBJCOPY} --strip-all --add-gnu-debuglink=${exe}.debug ${exe}
            COMMENT "Debugging information of ${target} into ${target}.exe.debug"
            VERBATIM)
        # Kept for crash reports, out of the users' zip: packaging/windows.
        install(FILES ${exe}.debug DESTINATION ${CMAKE_INSTALL_BINDIR}
                COMPONENT symbols EXCLUDE_FROM_ALL)
    endif()
endfunction()
