# The `wirsel` executable: every .cpp of host/ (commands of other areas
# register themselves from their own files here) over the document model and
# file formats. `wirsel_host_runtime` is the same code without main, for tests.
if(NOT TARGET wirsel_host_model OR NOT TARGET wirsel_host_io)
  message(STATUS "wirsel: waiting for the document model and file format libraries")
  return()
endif()

file(GLOB WIRSEL_HOST_SOURCES CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp)
list(REMOVE_ITEM WIRSEL_HOST_SOURCES ${CMAKE_CURRENT_SOURCE_DIR}/main.cpp)

add_library(wirsel_host_runtime OBJECT ${WIRSEL_HOST_SOURCES})
target_include_directories(wirsel_host_runtime PUBLIC ${CMAKE_SOURCE_DIR})
target_compile_definitions(wirsel_host_runtime PUBLIC WIRSEL_VERSION="${PROJECT_VERSION}")
target_link_libraries(wirsel_host_runtime PUBLIC wirsel_host_messages wirsel_host_source wirsel_host_io wirsel_host_model CLI11::CLI11
                      ${CMAKE_DL_LIBS})
wirsel_strict(wirsel_host_runtime)
# `wirsel hyph` (cmd_hyph.cpp) hyphenates with the engine itself.
target_link_libraries(wirsel_host_runtime PUBLIC wirsel_hyph_engine)
# `wirsel spell` (cmd_spell.cpp) and `wirsel proof` (cmd_proof.cpp) check
# with the spelling engine.
target_link_libraries(wirsel_host_runtime PUBLIC wirsel_spell_engine wirsel_platform
                      wirsel_prose_words)
# `wirsel proof` computes suggestions on several threads.
target_link_libraries(wirsel_host_runtime PUBLIC Threads::Threads)
# Windows-1250 and UTF-8 conversions (host/cp1250.cpp) use base/charset.
target_link_libraries(wirsel_host_runtime PUBLIC wirsel_base)

add_executable(wirsel main.cpp)
target_link_libraries(wirsel PRIVATE wirsel_host_runtime)
wirsel_strict(wirsel)

# `wirsel-spell`: the same program under the name editors call as they call
# hunspell, and the affix file from which ispell.el learns the dictionary's
# character set and word characters (its words are son.dic's).
add_custom_command(TARGET wirsel POST_BUILD
  COMMAND ${CMAKE_COMMAND} -E create_symlink wirsel $<TARGET_FILE_DIR:wirsel>/wirsel-spell
  VERBATIM)
configure_file(${CMAKE_SOURCE_DIR}/data/editor/pl_PL.aff ${WIRSEL_XTENSIONS_DIR}/pl_PL.aff COPYONLY)
