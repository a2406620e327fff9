# Warnings for our own targets; third-party headers come in as system includes.
function(scrivlet_warnings target)
    target_compile_options(${target} PRIVATE -Wall -Wextra -Wpedantic -Wshadow=local
                                             -Wnon-virtual-dtor -Woverloaded-virtual)
    if(SCRIVLET_WERROR)
        target_compile_options(${target} PRIVATE -Werror)
        # GCC 12 at -O3 reports overlapping copies inside std::string's
        # operator+ ("text" + string) that cannot happen (its bug 105651);
        # they stay warnings there so that Release builds still build.
        if(CMAKE_CXX_COMPILER_ID STREQUAL "GNU" AND CMAKE_CXX_COMPILER_VERSION VERSION_GREATER_EQUAL 12
           AND CMAKE_CXX_COMPILER_VERSION VERSION_LESS 13)
            target_compile_options(${target} PRIVATE -Wno-error=restrict)
        endif()
    endif()
    if(SCRIVLET_SANITIZE)
        target_compile_options(${target} PRIVATE -fsanitize=address,undefined -fno-omit-frame-pointer)
        target_link_options(${target} PRIVATE -fsanitize=address,undefined)
    endif()
endfunction()

# Every .cpp below DIR, so that new files join their library without editing
# a shared list.
function(scrivlet_glob_sources out dir)
    file(GLOB_RECURSE found CONFIGURE_DEPENDS "${dir}/*.cpp" "${dir}/*.h")
    set(${out} ${found} PARENT_SCOPE)
endfunction()
