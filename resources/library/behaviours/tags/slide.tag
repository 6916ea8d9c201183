vmrk-0000
