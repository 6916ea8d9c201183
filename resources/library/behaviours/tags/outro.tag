vmrk-0002
