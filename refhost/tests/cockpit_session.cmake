# The live cockpit without a display: a scenario plays while scripted clicks
# and keys go through SDL's event queue; the key events they cause are logged
# and checked, the last frame is written, and the recorded session replays
# with `corvane fly` to the same final state.
file(REMOVE_RECURSE ${OUT})
file(MAKE_DIRECTORY ${OUT})
execute_process(COMMAND ${CORVANE} cockpit --scenario ${SOURCE}/cockpit_session.toml --input ${SOURCE}/cockpit_input.txt
                        --speed 60 --quit-after 12 --screenshot ${OUT}/last_frame.png --record ${OUT}/session.toml
                        --events ${OUT}/events.txt
                RESULT_VARIABLE status OUTPUT_VARIABLE output ERROR_VARIABLE errors)
message("${output}${errors}")
if(NOT status EQUAL 0)
  message(FATAL_ERROR "the cockpit exited with ${status}")
endif()
if(NOT EXISTS ${OUT}/last_frame.png)
  message(FATAL_ERROR "no screenshot")
endif()
file(READ ${OUT}/events.txt events)
# event name, how many times at least, at most
foreach(check "PARKING_BRAKES;2;2" "GEAR_TOGGLE;2;2" "KOHLSMAN_INC;19;19" "AP_MASTER;1;1" "AUTO_THROTTLE_ARM;1;1")
  list(GET check 0 name)
  list(GET check 1 low)
  list(GET check 2 high)
  string(REGEX MATCHALL " ${name} " found "${events}")
  list(LENGTH found count)
  if(count LESS low OR count GREATER high)
    message(FATAL_ERROR "${name} sent ${count} times, expected ${low} to ${high}:\n${events}")
  endif()
endforeach()
execute_process(COMMAND ${CORVANE} fly ${OUT}/session.toml --out ${OUT}/replay --quiet
                RESULT_VARIABLE status OUTPUT_VARIABLE output ERROR_VARIABLE errors)
message("${output}${errors}")
if(NOT status EQUAL 0)
  message(FATAL_ERROR "the replay did not end as the session did")
endif()
