#!/bin/sh
# One shard of a sweep or of a risk run as a task of a Slurm job array; the
# array's task IDs must be 0..N-1. Submit it from the folder the parts go to:
#
#   sbatch --array=0-99 slurm-shard.sh sweep grid.json --random 10000 --runs 1000 --seed 1
#   sbatch --array=0-99 slurm-shard.sh risk --sessions 100000 --bankroll 100 --target 50
#
# Task I writes part-I.csv (with its shard's line first) on --cpus-per-task
# threads; sweep-merge or risk-merge joins the parts.
#SBATCH --job-name=rotacle-shard
#SBATCH --cpus-per-task=1
#SBATCH --output=slurm-%A_%a.out
set -eu
: "${SLURM_ARRAY_TASK_ID:?submit this script as a job array: sbatch --array=0-N-1}"
exec rotacle-sim "$@" --jobs "${SLURM_CPUS_PER_TASK:-1}" --no-progress \
  --shard "$SLURM_ARRAY_TASK_ID/$SLURM_ARRAY_TASK_COUNT" --csv "part-$SLURM_ARRAY_TASK_ID.csv"
