vmrk-0009
vmrk-0010
