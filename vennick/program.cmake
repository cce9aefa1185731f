# The press window and the program vennick. vennick_window holds the window code, so that the
# window tests and the benchmark link the same code as the program.
if(TARGET shell_qt)
  add_library(vennick_window STATIC
    ${CMAKE_CURRENT_LIST_DIR}/vennickMain.cpp
    ${CMAKE_CURRENT_LIST_DIR}/vennickLayout.cpp
    ${CMAKE_CURRENT_LIST_DIR}/layoutHelpers.cpp
    ${CMAKE_CURRENT_LIST_DIR}/arrowKeyScrollBar.cpp
    ${CMAKE_CURRENT_LIST_DIR}/operationsEditor.cpp
    ${CMAKE_CURRENT_LIST_DIR}/pressAccessibleNames.cpp
    ${CMAKE_CURRENT_LIST_DIR}/pressWindowAdapter.cpp
    ${CMAKE_CURRENT_LIST_DIR}/memo/memoLines.cpp
    ${CMAKE_CURRENT_LIST_DIR}/memo/memoView.cpp
    ${CMAKE_CURRENT_LIST_DIR}/folderBrowser/volumes.cpp
    ${CMAKE_CURRENT_LIST_DIR}/folderBrowser/driveComboBox.cpp
    ${CMAKE_CURRENT_LIST_DIR}/folderBrowser/directoryListBox.cpp
    ${CMAKE_CURRENT_LIST_DIR}/folderBrowser/fileListBox.cpp
    ${CMAKE_CURRENT_LIST_DIR}/folderBrowser/fileMask.cpp
    ${CMAKE_CURRENT_LIST_DIR}/folderBrowser/filterComboBox.cpp)
  set_target_properties(vennick_window PROPERTIES AUTOMOC ON)
  target_include_directories(vennick_window PUBLIC ${CMAKE_CURRENT_LIST_DIR})
  target_link_libraries(vennick_window PUBLIC vennick_core shell_qt Qt6::Widgets tv_settings)

  add_executable(vennick ${CMAKE_CURRENT_LIST_DIR}/main.cpp)
  target_link_libraries(vennick PRIVATE vennick_window)
  if(TARGET tv_resources)
    target_link_libraries(vennick PRIVATE tv_resources)
  endif()

  if(TV_BUILD_TESTS)
    add_subdirectory(${CMAKE_CURRENT_LIST_DIR}/tests/window ${CMAKE_CURRENT_BINARY_DIR}/tests/window)
  endif()
endif()
