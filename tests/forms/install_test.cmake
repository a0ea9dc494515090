# Installs the build into a fresh prefix and checks that a desktop finds the
# program, its menu entry and its icon there.
# Run as: cmake -DBUILD_DIR=... -DPREFIX=... -P install_test.cmake
file(REMOVE_RECURSE "${PREFIX}")
execute_process(COMMAND "${CMAKE_COMMAND}" --install "${BUILD_DIR}" --prefix "${PREFIX}"
                RESULT_VARIABLE status OUTPUT_QUIET)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "cmake --install failed: ${status}")
endif()

foreach(file bin/tolvazen libexec/tolvazen/tolvazen bin/tolvazen-report libexec/tolvazen/tolvazen-report-pdf
             bin/tolvazen-history share/applications/tolvazen.desktop
             share/icons/hicolor/32x32/apps/tolvazen.xpm share/pixmaps/tolvazen.xpm
             share/metainfo/org.tolvazen.Tolvazen.metainfo.xml
             share/man/man1/tolvazen.1.gz share/man/man1/tolvazen-report.1.gz
             share/man/man1/tolvazen-history.1.gz)
  if(NOT EXISTS "${PREFIX}/${file}")
    message(FATAL_ERROR "not installed: ${file}")
  endif()
endforeach()

# The installed tolvazen-report finds the program it hands the printed pages
# to.
file(WRITE "${PREFIX}/empty.dat" "")
execute_process(COMMAND ${PREFIX}/bin/tolvazen-report -f pdf -o ${PREFIX}/empty.pdf ${PREFIX}/empty.dat
                RESULT_VARIABLE status ERROR_VARIABLE err)
if(NOT status EQUAL 0 OR NOT EXISTS "${PREFIX}/empty.pdf")
  message(FATAL_ERROR "the installed tolvazen-report writes no pages: ${err}")
endif()

# The installed command names the data folder it would use.
execute_process(COMMAND env -u XDG_CONFIG_HOME HOME=${PREFIX}/home ${PREFIX}/bin/tolvazen --help
                RESULT_VARIABLE status OUTPUT_VARIABLE help ERROR_VARIABLE help)
string(FIND "${help}" "Data folder in use: ${PREFIX}/home/Documents/Tolvazen\n" at)
if(NOT status EQUAL 0 OR at EQUAL -1)
  message(FATAL_ERROR "tolvazen --help does not name the data folder: ${help}")
endif()

file(READ "${PREFIX}/share/applications/tolvazen.desktop" entry)
string(FIND "${entry}" "\nCategories=Science;Education;\n" at)
if(at EQUAL -1)
  message(FATAL_ERROR "the desktop entry is not in the Science and Education menus")
endif()
foreach(line "[Desktop Entry]" "Type=Application" "Exec=tolvazen\n" "Icon=tolvazen\n"
             "Name=" "Name[ru]=" "Comment=" "Comment[ru]=")
  string(FIND "\n${entry}" "\n${line}" at)
  if(at EQUAL -1)
    message(FATAL_ERROR "the desktop entry lacks a line starting with ${line}")
  endif()
endforeach()

file(READ "${PREFIX}/share/pixmaps/tolvazen.xpm" icon)
string(FIND "${icon}" "\"32 32 " at)
if(at EQUAL -1)
  message(FATAL_ERROR "the icon is not a 32 x 32 picture")
endif()
