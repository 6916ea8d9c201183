vmrk-0001
