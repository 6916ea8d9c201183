vmrk-0005
vmrk-0006
vmrk-0007
vmrk-0008
