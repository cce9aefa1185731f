# The sizing window and the program tollard. Included by tollard/CMakeLists.txt.
add_library(tollard_window STATIC
  ${CMAKE_CURRENT_LIST_DIR}/mainUnit.cpp
  ${CMAKE_CURRENT_LIST_DIR}/formSizingWindow.cpp
  ${CMAKE_CURRENT_LIST_DIR}/reportMemo.cpp
  ${CMAKE_CURRENT_LIST_DIR}/sizingDialogs.cpp
  ${CMAKE_CURRENT_LIST_DIR}/textPrinter.cpp
  ${CMAKE_CURRENT_LIST_DIR}/menuIcons.cpp)
set_target_properties(tollard_window PROPERTIES AUTOMOC ON)
target_include_directories(tollard_window PUBLIC ${CMAKE_CURRENT_LIST_DIR})
target_link_libraries(tollard_window PUBLIC tollard_core shell_qt tv_resources
                      Qt6::Widgets Qt6::PrintSupport tv_settings)
# The window icon: the launcher's picture of the round bar.
qt_add_resources(tollard_window tollard_icon
  PREFIX /tollard
  BASE ${CMAKE_CURRENT_LIST_DIR}/../desktop/icons
  FILES ${CMAKE_CURRENT_LIST_DIR}/../desktop/icons/tollard.png)

add_executable(tollard ${CMAKE_CURRENT_LIST_DIR}/main.cpp)
target_link_libraries(tollard PRIVATE tollard_window)

if(TV_BUILD_TESTS)
  add_subdirectory(${CMAKE_CURRENT_LIST_DIR}/tests/window ${CMAKE_CURRENT_BINARY_DIR}/tests/window)
endif()
