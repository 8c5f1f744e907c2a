# Checks shared by the install-tree and package tests: the tree under ROOT is the one the
# package holds (/opt/quorvel and /usr below ROOT).

function(quorvel_fail)
  string(JOIN "" message ${ARGN})
  message(FATAL_ERROR "${message}")
endfunction()

set(quorvel_expected_files
  opt/quorvel/Archive.hlp
  opt/quorvel/Biokinet.hlp
  opt/quorvel/Dose.hlp
  opt/quorvel/DoseAndRisk.mdb
  opt/quorvel/FGR13.hlp
  opt/quorvel/Glossary.hlp
  opt/quorvel/HOWTo.hlp
  opt/quorvel/Risk.hlp
  opt/quorvel/quorvel
  opt/quorvel/quorvel-cli
  usr/bin/quorvel
  usr/bin/quorvel-cli
  usr/share/applications/quorvel.desktop
  usr/share/doc/quorvel/changelog.gz
  usr/share/doc/quorvel/copyright
  usr/share/icons/hicolor/128x128/apps/quorvel.png
  usr/share/icons/hicolor/16x16/apps/quorvel.png
  usr/share/icons/hicolor/22x22/apps/quorvel.png
  usr/share/icons/hicolor/24x24/apps/quorvel.png
  usr/share/icons/hicolor/256x256/apps/quorvel.png
  usr/share/icons/hicolor/32x32/apps/quorvel.png
  usr/share/icons/hicolor/48x48/apps/quorvel.png
  usr/share/icons/hicolor/64x64/apps/quorvel.png
  usr/share/icons/hicolor/scalable/apps/quorvel.svg
  usr/share/lintian/overrides/quorvel
  usr/share/man/man1/quorvel-cli.1.gz
  usr/share/man/man1/quorvel.1.gz)

function(quorvel_mode path out)
  execute_process(COMMAND stat -c %a ${path} OUTPUT_VARIABLE mode OUTPUT_STRIP_TRAILING_WHITESPACE RESULT_VARIABLE rc)
  if(NOT rc EQUAL 0)
    quorvel_fail("cannot stat ${path}")
  endif()
  set(${out} ${mode} PARENT_SCOPE)
endfunction()

# Exactly the expected files, nothing more; the programs 755, the rest 644.
function(quorvel_check_tree root)
  file(GLOB_RECURSE found LIST_DIRECTORIES false RELATIVE ${root} ${root}/*)
  list(SORT found)
  set(expected ${quorvel_expected_files})
  list(SORT expected)
  if(NOT found STREQUAL expected)
    quorvel_fail("installed files differ.\nexpected: ${expected}\nfound:    ${found}")
  endif()
  foreach(program quorvel quorvel-cli)
    quorvel_mode(${root}/opt/quorvel/${program} mode)
    if(NOT mode STREQUAL "755")
      quorvel_fail("opt/quorvel/${program} has mode ${mode}, not 755")
    endif()
    set(link ${root}/usr/bin/${program})
    if(NOT IS_SYMLINK ${link})
      quorvel_fail("usr/bin/${program} is not a symbolic link")
    endif()
    file(READ_SYMLINK ${link} target)
    if(NOT target STREQUAL "/opt/quorvel/${program}")
      quorvel_fail("usr/bin/${program} points to ${target}")
    endif()
  endforeach()
  foreach(file ${expected})
    if(file MATCHES "^usr/bin/|/quorvel(-cli)?$")
      continue()
    endif()
    quorvel_mode(${root}/${file} mode)
    if(NOT mode STREQUAL "644")
      quorvel_fail("${file} has mode ${mode}, not 644")
    endif()
  endforeach()
  foreach(dir opt/quorvel usr/share/applications usr/share/man/man1)
    quorvel_mode(${root}/${dir} mode)
    if(NOT mode STREQUAL "755")
      quorvel_fail("${dir} has mode ${mode}, not 755")
    endif()
  endforeach()
endfunction()

# Each PNG is as large as the folder it lies in says (the IHDR width and height).
function(quorvel_check_icons root)
  foreach(size 16 22 24 32 48 64 128 256)
    file(READ ${root}/usr/share/icons/hicolor/${size}x${size}/apps/quorvel.png header LIMIT 24 HEX)
    math(EXPR hex "${size}" OUTPUT_FORMAT HEXADECIMAL)
    string(SUBSTRING ${hex} 2 -1 digits)
    string(LENGTH ${digits} length)
    while(length LESS 8)
      string(PREPEND digits 0)
      string(LENGTH ${digits} length)
    endwhile()
    string(TOLOWER ${digits} digits)
    if(NOT header STREQUAL "89504e470d0a1a0a0000000d49484452${digits}${digits}")
      quorvel_fail("the ${size}x${size} icon is not a ${size} by ${size} PNG: ${header}")
    endif()
  endforeach()
endfunction()

function(quorvel_check_desktop_entry root)
  find_program(validator desktop-file-validate)
  if(NOT validator)
    message(STATUS "desktop-file-validate is not installed: the desktop entry is not validated")
    return()
  endif()
  execute_process(COMMAND ${validator} ${root}/usr/share/applications/quorvel.desktop
                  RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE out)
  if(NOT rc EQUAL 0 OR NOT out STREQUAL "")
    quorvel_fail("desktop-file-validate: ${out}")
  endif()
endfunction()

# The installed command-line viewer lists the shipped nuclides.
function(quorvel_check_list_nuclides)
  execute_process(COMMAND ${ARGN} --list-nuclides RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE err)
  if(NOT rc EQUAL 0)
    quorvel_fail("${ARGN} --list-nuclides failed (${rc}): ${err}")
  endif()
  string(REGEX MATCHALL "\n" lines "${out}")
  list(LENGTH lines count)
  if(NOT out MATCHES "^  1   Hydrogen        H-3         12\\.32 y      I/E *\n" OR NOT count EQUAL 826)
    quorvel_fail("${ARGN} --list-nuclides printed ${count} lines, starting:\n${out}")
  endif()
endfunction()
