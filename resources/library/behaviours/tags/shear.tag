vmrk-0013
