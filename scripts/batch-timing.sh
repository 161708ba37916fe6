# Sourced by the batch benchmarks: the median wall time, in seconds, of five
# runs of the optimised `qismaru-calc --batch` over one input file. Exit 5
# (some lines answered with error objects) still counts as a finished run.
#   median_batch_seconds INPUT [qismaru-calc options...]
median_batch_seconds() {
    local input="$1" times=()
    shift
    for _ in 1 2 3 4 5; do
        local start end
        start=$(date +%s.%N)
        build/release/app/qismaru-calc --batch "$@" <"$input" >/dev/null || [ $? -eq 5 ]
        end=$(date +%s.%N)
        times+=("$(echo "$end - $start" | bc)")
    done
    printf '%s\n' "${times[@]}" | sort -n | sed -n 3p
}
