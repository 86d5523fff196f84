# SPDX-License-Identifier: GPL-3.0-or-later
# The program's icon, drawn once in packaging/icons/: built into the
# executable as a Qt resource for the window and taskbar, and on Windows also
# as the .exe's own icon with its version (a GUI program there, no console).
set(PILECALC_ICON_DIR ${CMAKE_CURRENT_LIST_DIR}/../packaging/icons)

function(pilecalc_add_app_icon target)
  qt_add_resources(${target} pilecalc_icons
    PREFIX /icons
    BASE ${PILECALC_ICON_DIR}
    FILES ${PILECALC_ICON_DIR}/pilecalc-48.png ${PILECALC_ICON_DIR}/pilecalc-128.png
          ${PILECALC_ICON_DIR}/pilecalc-256.png)
  if(WIN32)
    set(PILECALC_ICO ${PILECALC_ICON_DIR}/pilecalc.ico)
    file(TO_CMAKE_PATH "${PILECALC_ICO}" PILECALC_ICO)
    if(PROJECT_VERSION_PATCH)
      set(PILECALC_VERSION_PATCH ${PROJECT_VERSION_PATCH})
    else()
      set(PILECALC_VERSION_PATCH 0)
    endif()
    configure_file(${CMAKE_CURRENT_FUNCTION_LIST_DIR}/../packaging/windows/pilecalc.rc.in
                   ${CMAKE_CURRENT_BINARY_DIR}/pilecalc.rc @ONLY)
    target_sources(${target} PRIVATE ${CMAKE_CURRENT_BINARY_DIR}/pilecalc.rc)
    set_target_properties(${target} PROPERTIES WIN32_EXECUTABLE ON)
  endif()
endfunction()
