# The model-window families, each a folder under src/app/windows/ with its library and
# its resource script, and a folder of the same name under tests/app/windows/ with its
# suite. The one list both the build and the tests read: a new family adds its name here.
set(PV_MODEL_WINDOW_FAMILIES solution editors scoring)
