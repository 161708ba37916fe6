# The help's texts are plain C++: the desktop's help windows and the web page
# read the same ones, so this library has no Qt and is built without the GUI.
add_library(qismaru_help_texts
    ${CMAKE_CURRENT_LIST_DIR}/page_texts.cpp
    ${CMAKE_CURRENT_LIST_DIR}/school_texts.cpp
)
target_link_libraries(qismaru_help_texts PUBLIC qismaru_model)
