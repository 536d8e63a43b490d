#!/usr/bin/env bash
# Installs what building and testing the client needs on Debian 12 (as root).
set -euo pipefail
export DEBIAN_FRONTEND=noninteractive
apt-get update -qq
apt-get install -y -qq --no-install-recommends \
  cmake make g++ pkg-config \
  qt6-base-dev zlib1g-dev \
  libgtest-dev libgmock-dev libbenchmark-dev \
  clang libclang-rt-14-dev \
  >/dev/null
