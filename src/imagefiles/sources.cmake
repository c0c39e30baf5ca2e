# Sources of this subsystem: core (no Qt) and windows.
list(APPEND CORE_SOURCES
)
list(APPEND UI_SOURCES
)
