# The shell tests' one check, sourced by each: `check DESCRIPTION CONDITION...`
# runs the condition and, when it fails, names it and marks the run failed.
fail=0
check() {
  local what=$1; shift
  if ! "$@"; then echo "FAIL: $what"; fail=1; fi
}
