vmrk-0007
vmrk-0009
vmrk-0012
vmrk-0014
