# Builds the Debian package from the build folder and checks what it holds,
# what it depends on, and that lintian reports no error or warning (among them
# a command without its manual page).
# Run as: cmake -DBUILD_DIR=... -DWORK_DIR=... -DLINTIAN=... -P package_test.cmake
file(REMOVE_RECURSE "${WORK_DIR}")
file(MAKE_DIRECTORY "${WORK_DIR}")
execute_process(COMMAND cpack -G DEB --config "${BUILD_DIR}/CPackConfig.cmake" -B "${WORK_DIR}"
                WORKING_DIRECTORY "${BUILD_DIR}" RESULT_VARIABLE status OUTPUT_VARIABLE out ERROR_VARIABLE out)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "cpack failed: ${out}")
endif()
file(GLOB packages "${WORK_DIR}/*.deb")
list(LENGTH packages count)
if(NOT count EQUAL 1)
  message(FATAL_ERROR "expected one .deb, found: ${packages}")
endif()

execute_process(COMMAND dpkg-deb --contents ${packages} OUTPUT_VARIABLE contents)
foreach(file ./usr/bin/tolvazen ./usr/libexec/tolvazen/tolvazen ./usr/bin/tolvazen-report
             ./usr/libexec/tolvazen/tolvazen-report-pdf ./usr/bin/tolvazen-history
             ./usr/share/applications/tolvazen.desktop
             ./usr/share/pixmaps/tolvazen.xpm ./usr/share/metainfo/org.tolvazen.Tolvazen.metainfo.xml
             ./usr/share/man/man1/tolvazen.1.gz ./usr/share/man/man1/tolvazen-report.1.gz
             ./usr/share/man/man1/tolvazen-history.1.gz
             ./usr/share/doc/tolvazen/copyright)
  string(FIND "${contents}" " ${file}\n" at)
  if(at EQUAL -1)
    message(FATAL_ERROR "the package lacks ${file}:\n${contents}")
  endif()
endforeach()

execute_process(COMMAND dpkg-deb --field ${packages} Recommends OUTPUT_VARIABLE recommends)
if(NOT recommends MATCHES "qt6-wayland")
  message(FATAL_ERROR "Recommends lacks qt6-wayland: ${recommends}")
endif()

execute_process(COMMAND dpkg-deb --field ${packages} Depends OUTPUT_VARIABLE depends)
foreach(library libqt6gui6 libqt6widgets6 libstdc\\+\\+6 qt6-qpa-plugins)
  if(NOT depends MATCHES "${library}")
    message(FATAL_ERROR "Depends lacks ${library}: ${depends}")
  endif()
endforeach()

execute_process(COMMAND "${LINTIAN}" --fail-on warning --tag-display-limit 0 ${packages}
                RESULT_VARIABLE status OUTPUT_VARIABLE out ERROR_VARIABLE out)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "lintian reports errors or warnings:\n${out}")
endif()
message(STATUS "lintian:\n${out}")
