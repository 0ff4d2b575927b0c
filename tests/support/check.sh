# The shell tests' one check, sourced by each: `check DESCRIPTION CONDITION...`
# runs the condition and, when it fails, names it, marks the run failed and
# returns 1 (so that `check ... || show-why` can follow).
fail=0
check() {
  local what=$1; shift
  if ! "$@"; then echo "FAIL: $what"; fail=1; return 1; fi
}
