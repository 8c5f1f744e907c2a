# The installed program: one self-contained application directory (the programs, the
# database and the help files side by side, as in build/bin), and beside it the desktop's
# view of it: launchers on PATH, menu entry, icon and manual pages. Also the Debian package.
#
# The desktop files go to the same place relative to the application directory as
# /usr is to /opt/quorvel, so an install with --prefix <root>/opt/quorvel (or a DESTDIR)
# gives the whole tree under <root>, as the package holds it.

# CMake's own default (/usr/local) is replaced, also in build folders made before the
# program had an install layout (they lack QUORVEL_SYSTEM_PREFIX).
if(CMAKE_INSTALL_PREFIX_INITIALIZED_TO_DEFAULT OR
   (NOT DEFINED CACHE{QUORVEL_SYSTEM_PREFIX} AND CMAKE_INSTALL_PREFIX STREQUAL "/usr/local"))
  set(CMAKE_INSTALL_PREFIX /opt/quorvel CACHE PATH "The application directory" FORCE)
endif()
set(QUORVEL_SYSTEM_PREFIX /usr CACHE PATH "Where launchers, menu entry, icon and manual pages go")
file(RELATIVE_PATH quorvel_system_dir ${CMAKE_INSTALL_PREFIX} ${QUORVEL_SYSTEM_PREFIX})

find_package(Qt6 REQUIRED COMPONENTS Svg)
find_program(QUORVEL_GZIP gzip REQUIRED)

set(quorvel_packaging_source ${PROJECT_SOURCE_DIR}/packaging)
set(quorvel_packaging_build ${CMAKE_BINARY_DIR}/packaging)

# The application directory.
install(TARGETS quorvel quorvel-cli RUNTIME DESTINATION .)
install(FILES ${CMAKE_BINARY_DIR}/bin/DoseAndRisk.mdb DESTINATION .)
file(GLOB quorvel_installed_help CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/data/help/*.hlp)
install(FILES ${quorvel_installed_help} DESTINATION .)

# Launchers: symbolic links (absolute, as Debian wants them between top-level folders);
# the programs still find their directory, since /proc/self/exe names the real file.
file(MAKE_DIRECTORY ${quorvel_packaging_build}/bin)
foreach(program quorvel quorvel-cli)
  file(CREATE_LINK ${CMAKE_INSTALL_PREFIX}/${program} ${quorvel_packaging_build}/bin/${program} SYMBOLIC)
  install(FILES ${quorvel_packaging_build}/bin/${program} DESTINATION ${quorvel_system_dir}/bin)
endforeach()

install(FILES ${quorvel_packaging_source}/quorvel.desktop DESTINATION ${quorvel_system_dir}/share/applications)

# The icon: the SVG as drawn and PNG sizes rendered from it.
add_executable(quorvel-render-icon ${quorvel_packaging_source}/icon/RenderIcon.cpp)
target_link_libraries(quorvel-render-icon PRIVATE Qt6::Svg Qt6::Gui)
set_target_properties(quorvel-render-icon PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${quorvel_packaging_build})
set(quorvel_icon_svg ${quorvel_packaging_source}/icon/quorvel.svg)
set(quorvel_packaging_outputs)
foreach(size 16 22 24 32 48 64 128 256)
  set(png ${quorvel_packaging_build}/icons/${size}x${size}/quorvel.png)
  add_custom_command(OUTPUT ${png}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${quorvel_packaging_build}/icons/${size}x${size}
    COMMAND ${CMAKE_COMMAND} -E env QT_QPA_PLATFORM=offscreen $<TARGET_FILE:quorvel-render-icon> ${quorvel_icon_svg} ${size} ${png}
    DEPENDS quorvel-render-icon ${quorvel_icon_svg}
    VERBATIM)
  list(APPEND quorvel_packaging_outputs ${png})
  install(FILES ${png} DESTINATION ${quorvel_system_dir}/share/icons/hicolor/${size}x${size}/apps)
endforeach()
install(FILES ${quorvel_icon_svg} DESTINATION ${quorvel_system_dir}/share/icons/hicolor/scalable/apps)

# Manual pages and the package documents, compressed as Debian keeps them.
function(quorvel_compressed source output)
  add_custom_command(OUTPUT ${output}
    COMMAND ${QUORVEL_GZIP} -9 -n -c ${source} > ${output}
    DEPENDS ${source}
    VERBATIM)
  set(quorvel_packaging_outputs ${quorvel_packaging_outputs} ${output} PARENT_SCOPE)
endfunction()
foreach(page quorvel quorvel-cli)
  quorvel_compressed(${quorvel_packaging_source}/man/${page}.1 ${quorvel_packaging_build}/${page}.1.gz)
  install(FILES ${quorvel_packaging_build}/${page}.1.gz DESTINATION ${quorvel_system_dir}/share/man/man1)
endforeach()
quorvel_compressed(${quorvel_packaging_source}/changelog ${quorvel_packaging_build}/changelog.gz)
install(FILES ${quorvel_packaging_build}/changelog.gz ${quorvel_packaging_source}/copyright
        DESTINATION ${quorvel_system_dir}/share/doc/quorvel)
# The application directory in /opt is this program's layout, so lintian is told so.
install(FILES ${quorvel_packaging_source}/lintian-overrides DESTINATION ${quorvel_system_dir}/share/lintian/overrides
        RENAME quorvel)
add_custom_target(quorvel_packaging_files ALL DEPENDS ${quorvel_packaging_outputs})

# The Debian package (make package).
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME quorvel)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "Quorvel maintainers")
set(CPACK_PACKAGE_CONTACT "Quorvel maintainers <maintainers@users.noreply.c-seed-69a044c2.example>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "viewer of radiation dose and risk coefficient tables")
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION
    "Coefficient Viewer (Quorvel) shows the published dose and cancer risk\n"
    "coefficients of Federal Guidance Reports No. 12 and 13 for one radionuclide\n"
    "at a time, and prints or exports the table. The package holds the desktop\n"
    "viewer, the command-line viewer quorvel-cli and the coefficient database.")
string(JOIN "" CPACK_DEBIAN_PACKAGE_DESCRIPTION ${CPACK_DEBIAN_PACKAGE_DESCRIPTION})
set(CPACK_PACKAGING_INSTALL_PREFIX ${CMAKE_INSTALL_PREFIX})
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION science)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_STRIP_FILES ON)
configure_file(${quorvel_packaging_source}/postrm.in ${quorvel_packaging_build}/postrm @ONLY
               FILE_PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
set(CPACK_DEBIAN_PACKAGE_CONTROL_EXTRA ${quorvel_packaging_build}/postrm)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION TRUE)
set(CPACK_DEBIAN_COMPRESSION_TYPE xz)
include(CPack)
