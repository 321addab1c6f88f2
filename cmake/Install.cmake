# What `cmake --install` puts under the prefix: the two programs here; their
# data, the desktop files and the documentation in data/CMakeLists.txt.
include(GNUInstallDirs)
if(TESSEL_FUZZ)
    return()
endif()
install(TARGETS tessel tessel-cli RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
