vmrk-0003
