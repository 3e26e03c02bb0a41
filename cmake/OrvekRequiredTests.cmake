# orvek_test_run_missing(<what>)
#
# A test run cannot be registered because something it needs is not on this
# machine. Where every test must run (ORVEK_REQUIRE_ALL_TESTS: the test command
# and CI), that stops the configure, since a run left out would pass unseen;
# elsewhere the run is left out with a warning.
function(orvek_test_run_missing what)
  if(ORVEK_REQUIRE_ALL_TESTS)
    message(FATAL_ERROR "${what}; every test run is required (ORVEK_REQUIRE_ALL_TESTS)")
  endif()
  message(WARNING "${what}: that test run is left out")
endfunction()
