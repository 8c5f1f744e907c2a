# cmake -DBUILD_DIR=<build> -DWORK_DIR=<folder> -P InstallTree.cmake
# Installs the build into WORK_DIR as the package would lay it out and checks the tree.
include(${CMAKE_CURRENT_LIST_DIR}/InstallChecks.cmake)

file(REMOVE_RECURSE ${WORK_DIR})
execute_process(COMMAND ${CMAKE_COMMAND} --install ${BUILD_DIR} --prefix ${WORK_DIR}/opt/quorvel
                RESULT_VARIABLE rc OUTPUT_QUIET ERROR_VARIABLE err)
if(NOT rc EQUAL 0)
  quorvel_fail("cmake --install failed: ${err}")
endif()

quorvel_check_tree(${WORK_DIR})
quorvel_check_icons(${WORK_DIR})
quorvel_check_desktop_entry(${WORK_DIR})
# Called through a symbolic link, as the launcher calls it, the program still finds the
# database beside its real file.
file(CREATE_LINK ${WORK_DIR}/opt/quorvel/quorvel-cli ${WORK_DIR}/launcher SYMBOLIC)
quorvel_check_list_nuclides(${WORK_DIR}/launcher)
file(REMOVE_RECURSE ${WORK_DIR})
