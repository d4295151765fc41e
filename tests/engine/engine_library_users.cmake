# Included at the end of the top folder (deferred from src/engine), when every test program exists: the
# programs that load the engine library are told where it is and build it first.
foreach(program test_engine quavis_bench)
  if(TARGET ${program})
    target_compile_definitions(${program} PRIVATE QUAVIS_ENGINE_LIBRARY_PATH="$<TARGET_FILE:quavis_engine>")
    add_dependencies(${program} quavis_engine)
  endif()
endforeach()
foreach(program test_cli test_app_program)
  if(TARGET ${program})
    add_dependencies(${program} quavis_engine)
  endif()
endforeach()
