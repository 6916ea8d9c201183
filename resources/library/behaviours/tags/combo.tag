vmrk-0014
