# The GoogleTest tables of the layers below the toolkits, which the desktop's build (tests/) and
# the browser's (tests/web/, run in node) both build from these same files.
set(FORMULES_UNIT_TESTS
    test_numeric_value.cpp
    test_number_text.cpp
    test_value_rules.cpp
    test_resonance.cpp
    test_calculators.cpp
    test_formulas.cpp
    test_frame.cpp
    test_descriptions.cpp
)
list(TRANSFORM FORMULES_UNIT_TESTS PREPEND ${CMAKE_CURRENT_LIST_DIR}/)
