# Composed items and batch replace: the window-free model natively; the configuration window's
# side of both is in config_test.
tav_core_test(composed_core_test config/ComposedItem_test.cpp config/BatchReplace_test.cpp)
