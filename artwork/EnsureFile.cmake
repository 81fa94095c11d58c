# Creates an empty file at FILE when nothing is there; an existing file is left untouched.
if(NOT EXISTS "${FILE}")
    file(WRITE "${FILE}" "")
endif()
