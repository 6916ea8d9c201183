vmrk-0009
vmrk-0010
vmrk-0014
