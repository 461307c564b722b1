# The Windows download of the native Win32 program: the program stripped, a
# zip of it with its readme, and its installer, made into <build>/download by
# `cmake --build <build> --target windows_download`
# (packaging/windows/make-download.sh; scripts/build-windows.sh runs it).
if(NOT TARGET tessaline OR NOT TESSALINE_PLATFORM STREQUAL "win32" OR TESSALINE_BUILD_GUI)
    return()
endif()

add_custom_target(windows_download
    COMMAND sh ${PROJECT_SOURCE_DIR}/packaging/windows/make-download.sh $<TARGET_FILE:tessaline>
        ${PROJECT_VERSION} ${PROJECT_BINARY_DIR}/download
    COMMENT "Making the Windows download"
    VERBATIM)
add_dependencies(windows_download tessaline)
